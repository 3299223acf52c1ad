// The pictures the first window shows, decoded when the game is built (BakePictures.cpp), so that
// start-up reads them without decoding a PNG and without Qt looking through its image plugins.
#pragma once

#include <cstddef>
#include <cstdint>

struct TBakedPicture {
  const char* name;  // a picture's name in ":/tessamond/", or the path of one of Qt's own
  int width;
  int height;
  int format;                   // the QImage::Format the PNG reader gave
  const std::uint32_t* pixels;  // width × height, row after row
  std::int64_t qtFileSize;      // one of Qt's own: the file it was decoded from, so that a
  std::int64_t qtModifiedSecs;  // different Qt's picture is not taken for it (0 for ours)
};

extern const TBakedPicture TsdBakedPictures[];
extern const std::size_t TsdBakedPictureCount;
