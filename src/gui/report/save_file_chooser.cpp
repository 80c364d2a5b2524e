#include "gui/report/save_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace lumo {
namespace {

// "*.a;*.*" -> "*.a *": Qt separates patterns by blanks, and "*.*" would
// miss every name without a dot here.
QString QtPatterns(const QString& classic) {
  QStringList patterns;
  for (const QString& pattern : classic.split(u';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
  }
  return patterns.join(u' ');
}

// Qt reads the patterns from the description's parentheses, so they are
// rewritten there from the pattern half of the pair.
QString QtEntry(const QString& description, const QString& patterns) {
  const qsizetype open = description.indexOf(u'(');
  const QString name = (open < 0 ? description : description.left(open)).trimmed();
  return name + QStringLiteral(" (") + patterns + u')';
}

}  // namespace

QString QtFileFilter(const char* classicFilter) {
  const QStringList parts = QString::fromLatin1(classicFilter).split(u'|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
    const QString patterns = QtPatterns(parts[i + 1]);
    if (!patterns.isEmpty()) entries.append(QtEntry(parts[i], patterns));
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<QString> ChooseSaveFile(QWidget* owner, const SaveFileRequest& request) {
  QFileDialog dialog(owner, QString(), QString(), request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.initialName.isEmpty()) {
    const QFileInfo initial(request.initialName);
    dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace lumo
