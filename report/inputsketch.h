#pragma once

namespace report {

class PageCanvas;

/// Size of the input sketch picture, in units of one screen pixel.
constexpr int inputSketchWidth = 550;
constexpr int inputSketchHeight = 220;

/**
 * The explanatory sketch of the span input: structures A and B, the two
 * strings, the sagging conductor, the loads PA, P1..P4, PB with the relative
 * distances L1..L4, the span L, the string lengths LA and LB, the height
 * difference h, the sag f, RA, RB and H, and six numbered usage notes.
 *
 * Draws over the whole inputSketchWidth x inputSketchHeight area, starting
 * from a white background. Leaves the pen dotted, 1 unit wide and green,
 * the brush solid white and the font "宋体"; the font colour is the canvas's.
 */
void drawInputSketch(PageCanvas &canvas);

} // namespace report
