#include "decor.h"
#include "generators.h"
namespace assets {
}
namespace assets { void makeFlags(Sink&) {} void makeCursors(Sink&) {} }
