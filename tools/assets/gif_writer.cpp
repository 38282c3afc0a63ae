#include "gif_writer.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <cstring>

namespace assets {
namespace {

int writeToArray(GifFileType* gif, const GifByteType* data, int len) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), len);
  return len;
}

}  // namespace

QByteArray writeGif(const std::vector<QImage>& framesIn, int delayMs, bool loop) {
  QByteArray out;
  if (framesIn.empty()) return out;
  const int w = framesIn.front().width(), h = framesIn.front().height();
  std::vector<QImage> frames;
  for (const QImage& f : framesIn) frames.push_back(f.convertToFormat(QImage::Format_RGBA8888));

  // One palette for the whole animation, made from all frames together.
  liq_attr* attr = liq_attr_create();
  liq_set_max_colors(attr, 255);
  liq_histogram* hist = liq_histogram_create(attr);
  std::vector<liq_image*> images;
  for (QImage& f : frames) {
    liq_image* img = liq_image_create_rgba(attr, f.bits(), w, h, 0);
    liq_histogram_add_image(hist, attr, img);
    images.push_back(img);
  }
  liq_result* res = nullptr;
  if (liq_histogram_quantize(hist, attr, &res) != LIQ_OK || !res) {
    for (liq_image* i : images) liq_image_destroy(i);
    liq_histogram_destroy(hist);
    liq_attr_destroy(attr);
    return out;
  }
  liq_set_dithering_level(res, 0.5f);
  const liq_palette* pal = liq_get_palette(res);

  int err = 0;
  GifFileType* gif = EGifOpen(&out, writeToArray, &err);
  EGifSetGifVersion(gif, true);
  GifColorType colors[256];
  int transparent = -1;
  for (int i = 0; i < 256; ++i) {
    if (i < int(pal->count)) {
      colors[i] = {pal->entries[i].r, pal->entries[i].g, pal->entries[i].b};
      if (pal->entries[i].a < 128 && transparent < 0) transparent = i;
    } else {
      colors[i] = {0, 0, 0};
    }
  }
  ColorMapObject* map = GifMakeMapObject(256, colors);
  EGifPutScreenDesc(gif, w, h, 8, 0, map);
  if (loop) {
    unsigned char netscape[] = "NETSCAPE2.0";
    unsigned char loopBlock[3] = {1, 0, 0};
    EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif, 11, netscape);
    EGifPutExtensionBlock(gif, 3, loopBlock);
    EGifPutExtensionTrailer(gif);
  }
  std::vector<unsigned char> pixels(size_t(w) * h);
  for (size_t k = 0; k < images.size(); ++k) {
    liq_write_remapped_image(res, images[k], pixels.data(), pixels.size());
    // GIF transparency is all or nothing: every mostly transparent entry becomes the
    // transparent one, so soft edges leave no dark fringe.
    if (transparent >= 0)
      for (unsigned char& px : pixels)
        if (pal->entries[px].a < 128) px = (unsigned char)transparent;
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_BACKGROUND;
    gcb.DelayTime = delayMs / 10;
    gcb.TransparentColor = transparent;
    GifByteType ext[4];
    EGifGCBToExtension(&gcb, ext);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext);
    EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr);
    for (int y = 0; y < h; ++y) EGifPutLine(gif, pixels.data() + size_t(y) * w, w);
  }
  EGifCloseFile(gif, &err);
  GifFreeMapObject(map);
  for (liq_image* i : images) liq_image_destroy(i);
  liq_result_destroy(res);
  liq_histogram_destroy(hist);
  liq_attr_destroy(attr);
  return out;
}

}  // namespace assets
