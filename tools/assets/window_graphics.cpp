#include "decor.h"
#include "generators.h"
namespace assets {
}
namespace assets { void makeWindowGraphics(Sink&) {} }
