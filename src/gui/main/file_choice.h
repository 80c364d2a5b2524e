#pragma once

#include <QMimeData>
#include <QWidget>

#include <optional>
#include <string>

#include "gui/platform/control_ids.h"

namespace lumo {

// The file the user picks in File > Open's dialog (INI files, all files),
// which starts in the folder of `loaded` (empty: the dialog's own choice);
// nothing when the dialog is cancelled. `caption` is the id of its caption
// in the string table (File > Import asks with its own).
std::optional<std::string> ChooseCollectionFile(QWidget* parent, const std::string& loaded,
                                                int caption = MainWindowIds::kTextOpenCaption);

// The first local file of a drop, byte for byte; nothing when it holds none.
std::optional<std::string> DroppedFile(const QMimeData* data);

}  // namespace lumo
