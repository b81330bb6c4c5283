// SPDX-License-Identifier: MIT
// The yardstick of the web game's start: a bare page whose own wasm module
// fills one canvas the board's size with black and puts it on the page, the
// least a page that shows a board from WebAssembly can do.
#include <emscripten/emscripten.h>
#include <stdint.h>

enum { kWidth = 181, kHeight = 361 };
static uint32_t pixels[kWidth * kHeight];

EM_JS(void, show_pixels, (const uint32_t* bits, int width, int height), {
  var canvas = document.getElementById('board');
  canvas.width = width;
  canvas.height = height;
  var image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, bits, width * height * 4).slice(), width, height);
  canvas.getContext('2d').putImageData(image, 0, 0);
});

int main(void) {
  for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = 0xFF000000u;
  show_pixels(pixels, kWidth, kHeight);
  return 0;
}
