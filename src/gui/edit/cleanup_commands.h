#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "core/collection/name_replace.h"

class QWidget;

namespace lumo {

class Catalogue;

// The main window's clean-up commands: Edit > Duplicates (delete a copy,
// merge similar artists) and Edit > Replace. Each change is one write of
// cdplayer.ini and one undo step; a refused write is reported and changes
// nothing. After a change `fileChanged` shows the file anew (tree and
// counts); `note` puts a line in the status line.
class CleanupCommands {
 public:
  using Note = std::function<void(const QString&)>;

  static constexpr char kReplaceQuestion[] = QT_TRANSLATE_NOOP("Lumo", "%1 names will change.\nReplace them all?\n(Edit > Undo takes it back.)");
  static constexpr char kReplacedNote[] = QT_TRANSLATE_NOOP("Lumo", "Replaced %1 names.");
  static constexpr char kNotFound[] = QT_TRANSLATE_NOOP("Lumo", "Cannot find \"%1\".");
  static constexpr char kSkipped[] =
      QT_TRANSLATE_NOOP("Lumo", "%1 names with bytes that are no characters of the character set are left as they are.");
  static constexpr char kNothingChanges[] = QT_TRANSLATE_NOOP("Lumo", "Every name with \"%1\" stays as it is: nothing to replace.");
  static constexpr char kRefusedLead[] = QT_TRANSLATE_NOOP("Lumo", "Replace all would change \"%1\", which is refused:\n\n%2\n\nNothing has been changed.");
  static constexpr char kEmptyTitle[] = QT_TRANSLATE_NOOP("Lumo", "An album's title cannot be empty.\nPlease choose another text.");
  static constexpr char kTooLong[] =
      QT_TRANSLATE_NOOP("Lumo", "The name would grow past 1023 characters, more than the CD player can read.\nPlease choose a shorter text.");

  // All are borrowed and must outlive the commands.
  CleanupCommands(Catalogue& catalogue, QWidget* owner, std::function<void()> fileChanged, Note note);

  // The dialogs, modal.
  void ShowDuplicates();
  void ShowReplace();

  // What their buttons do; true when the file took the change.
  bool DeleteDuplicate(const std::string& cdKey);
  bool Merge(const std::vector<std::string>& spellings, const std::string& chosen);
  bool ReplaceAll(const ReplaceRequest& request);

 private:
  bool Written(bool written);

  Catalogue& catalogue_;
  QWidget* owner_;
  std::function<void()> fileChanged_;
  Note note_;
};

}  // namespace lumo
