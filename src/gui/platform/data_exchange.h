#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace lumo {

class CodePage;
class LumoDialog;

// One run of a dialog's data exchange (LumoDialog::DoDataExchange), in one
// direction: filling the controls from the members, or saving the controls
// back into the members with validation. The first failure shows its message
// box, puts the focus on the control concerned and turns every later call of
// the same run into a no-op, so members after it keep their values.
// Controls are named by id; an id the dialog does not have is skipped.
class DataExchange {
 public:
  DataExchange(LumoDialog& dialog, bool saveAndValidate);

  bool Saving() const { return saving_; }
  bool Failed() const { return failed_; }

  // The text of an edit, static text, combo box, button or group box, as
  // UTF-8: what the program itself says.
  void Text(int id, std::string& value);
  // The same kept as bytes of `page`: a collection's names (in its code
  // page) or a setting kept in Windows-1252. Filling shows bytes the code
  // page does not define as U+FFFD; saving a character it lacks fails with a
  // message naming the character set.
  void Text(int id, std::string& bytes, const CodePage& page);
  // The text of an edit or combo box that holds a path: the file-system
  // name (see platform/path_text.h), not text of a code page. Saving a name
  // the local encoding cannot hold fails with a message.
  void Path(int id, std::string& path);
  // The check state of a check box or radio button: 0 off, 1 on, 2 partly.
  void Check(int id, int& value);
  // The index of the checked button in the radio group whose first button is
  // `firstId`; -1 when none is checked (filling with -1 clears the group).
  void Radio(int firstId, int& index);
  // Filling: limits what the user may type into the edit to `maxChars`.
  // Saving: fails with "Please enter no more than %1 characters." when
  // `value` is longer.
  void MaxChars(int id, const std::string& value, int maxChars);
  // The same for a path, counting its characters rather than its bytes.
  void MaxPathChars(int id, const std::string& path, int maxChars);

  // Shows `message` (UTF-8) with the warning icon, focuses the control
  // and marks the run failed.
  void Fail(int id, const std::string& message);

 private:
  QWidget* Find(int id) const;
  void CheckLength(int id, qsizetype length, int maxChars);
  void ExchangeText(int id, std::string& value, const std::function<QString(const std::string&)>& toText,
                    const std::function<std::optional<std::string>(const QString&)>& fromText,
                    const std::string& refusal);

  LumoDialog& dialog_;
  bool saving_;
  bool failed_ = false;
};

}  // namespace lumo
