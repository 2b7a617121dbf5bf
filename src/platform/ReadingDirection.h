#pragma once

namespace platform {

class View;

// Lays a view tree built for reading left to right out for the interface's language: as it is, or,
// for a language read right to left, mirrored. Each view below the root takes the mirrored place in
// its superview, labels align to the other side and the arrows of buttons turn round; the text itself
// is already drawn in its own direction. A row holding a slider keeps its order, as the slider grows
// to the right in every language.
void layOutForReadingDirection(View& root);

} // namespace platform
