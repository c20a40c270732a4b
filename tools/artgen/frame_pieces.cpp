// The pieces are drawn pixel for pixel: the frame stretches them, so any
// softness here would smear across the whole window.
#include "tools/artgen/frame_pieces.h"

namespace artgen {

namespace {

constexpr Rgb kEdgeLine{10, 10, 10};
constexpr Rgb kHighlight{42, 42, 42};
constexpr Rgb kBar{22, 22, 22};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRim{21, 21, 21};

// Paints columns [left, right) of rows [top, bottom).
void Block(Canvas& piece, int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) piece.At(x, y) = colour;
  }
}

}  // namespace

Canvas CaptionLeftPiece() { return Canvas(6, 5, {27, 26, 22}); }

Canvas CaptionMiddlePiece() {
  Canvas piece(6, 27, kBar);
  Block(piece, 0, 0, 6, 1, kEdgeLine);
  Block(piece, 0, 1, 6, 2, kHighlight);
  Block(piece, 0, 24, 6, 27, kBlack);
  return piece;
}

Canvas CaptionRightPiece() {
  Canvas piece(6, 27, kBar);
  Block(piece, 0, 0, 6, 1, kEdgeLine);
  Block(piece, 0, 1, 4, 2, kHighlight);
  Block(piece, 0, 24, 4, 27, kBlack);
  Block(piece, 4, 24, 6, 27, kRim);
  return piece;
}

Canvas LeftBorderPiece() {
  Canvas piece(6, 5, kBlack);
  Block(piece, 0, 0, 2, 5, kRim);
  return piece;
}

Canvas RightBorderPiece() {
  Canvas piece(6, 5, kBlack);
  Block(piece, 4, 0, 6, 5, kRim);
  return piece;
}

Canvas BottomLeftPiece() {
  Canvas piece(6, 5, kBlack);
  Block(piece, 0, 0, 2, 3, kRim);
  Block(piece, 0, 3, 6, 5, kRim);
  return piece;
}

Canvas BottomBorderPiece() {
  Canvas piece(6, 5, kBlack);
  Block(piece, 0, 3, 6, 5, kRim);
  return piece;
}

Canvas BottomRightPiece() {
  Canvas piece(6, 5, kBlack);
  Block(piece, 4, 0, 6, 3, kRim);
  Block(piece, 0, 3, 6, 5, kRim);
  return piece;
}

}  // namespace artgen
