#pragma once

#include <QDialog>

#include "gui/platform/control_ids.h"
#include "gui/platform/data_exchange.h"
#include "gui/platform/dialog_builder.h"

class QAbstractButton;
class QCloseEvent;
class QKeyEvent;
class QMenuBar;
class QResizeEvent;

namespace lumo {


// The base of every dialog of the program: built from a dialog template
// (caption, size, window style, menu, controls), with the classic dialog
// habits the program relies on:
// - OnInitDialog runs each time the dialog opens, modal or modeless, before
//   it is shown; returning true puts the focus on the first tab stop.
// - Button clicks and menu commands reach OnCommand with their id; by
//   default 1 goes to OnOK and 2 to OnCancel. Menu commands arrive through
//   the event loop, just after the menu has closed.
// - Enter presses the default push button (or, without one, sends command
//   1); Esc and the close box send command 2. Nothing else closes the
//   dialog: only EndDialog does.
// - A radio button sends its command when it becomes checked, by any means
//   but the filling of the controls, and when it is clicked while checked.
// - User changes of an edit's text reach OnEditChange, but not the changes
//   made by filling the controls (UpdateData(false)).
// Controls exist from construction to destruction and are owned by the
// dialog. An unknown template id gives an empty dialog.
class LumoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit LumoDialog(int templateId, QWidget* parent = nullptr,
                      const DialogBuilder::ControlFactory& factory = {});
  ~LumoDialog() override;

  // Opens modally; returns the result given to EndDialog (also when the
  // dialog ended inside OnInitDialog, in which case it is never shown).
  int DoModal();
  // Opens without a modal loop, as a window owned by `parent` (or a child
  // page when the template says so); shown when the template is visible.
  // False when the dialog ended inside OnInitDialog.
  bool CreateModeless(QWidget* parent);
  // Closes the dialog with `result`, ending DoModal's loop.
  void EndDialog(int result);

  // Runs DoDataExchange: saveAndValidate true reads the controls into the
  // members (false when a validation failed), false fills the controls.
  bool UpdateData(bool saveAndValidate = true);

  // The control with this id, or nullptr (also for kNoControlId).
  QWidget* Control(int id) const;
  template <class T>
  T* ControlAs(int id) const {
    return qobject_cast<T*>(Control(id));
  }
  // The template this dialog was built from.
  const DialogTemplate& Template() const { return template_; }
  // The menu bar of a template with a menu, else nullptr.
  QMenuBar* MenuBar() const { return built_.menuBar; }
  // The font's base units in pixels: 4 horizontal, 8 vertical dialog units.
  QSize BaseUnits() const { return baseUnits_; }

 protected:
  // Default: fills the controls (UpdateData(false)) and returns true.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange& exchange);
  // Default: UpdateData(true); when that succeeds, EndDialog(kIdOk).
  virtual void OnOK();
  // Default: EndDialog(kIdCancel). Override with nothing to stay open.
  virtual void OnCancel();
  // Returns true when the command was handled.
  virtual bool OnCommand(int id);
  // The user changed the text of edit or combo box `id`.
  virtual void OnEditChange(int id);

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 public slots:
  void accept() override;
  void reject() override;

 private:
  bool Open();
  void ConnectControls();
  void ConnectRadioButton(QAbstractButton& radio, int id);
  void PressDefaultButton();
  void FocusFirstTabStop();
  void CentreOnScreen();

  const DialogTemplate& template_;
  BuiltDialog built_;
  QSize baseUnits_;
  bool filling_ = false;
  bool ended_ = false;
  bool pressedChecked_ = false;  // the radio button being clicked was checked already
};

}  // namespace lumo
