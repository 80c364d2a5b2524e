#pragma once

#include <string>

class QWidget;

namespace lumo {

class Catalogue;

// File > Import...: asks for another cdplayer.ini, says how many of its
// sections are new and which CD keys the collection has already (kept as
// they are), and on the user's yes adds the new ones to the loaded file as
// one replacement and one undo step. `loaded` is the loaded file's path, for
// the file dialog's folder. Returns the number of sections added, 0 when
// the file was left as it was; after an import the caller rebuilds the tree. Every refusal (a file that cannot be loaded, the collection
// itself, NUL bytes, a change by another program meanwhile) is said in a
// message box, and nothing is written.
int ImportCollection(QWidget* parent, Catalogue& catalogue, const std::string& loaded);

}  // namespace lumo
