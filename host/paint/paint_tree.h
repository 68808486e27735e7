#pragma once
// Painting a subtree: the element first, then its children from the back
// to the front, each clipped to the rectangle of the element that holds it.

namespace okit {

class Canvas;
class Element;

// Paints `root` and everything it holds into `canvas`, whose origin is the
// top-left corner of root. Hidden children and all they hold are skipped;
// root itself is painted whatever its Visible says.
void paint_tree(const Element& root, Canvas& canvas);

}  // namespace okit
