#include "gui/main/file_choice.h"

#include <QFile>
#include <QFileDialog>

#include <filesystem>

#include "core/platform/local_path.h"
#include "gui/platform/control_ids.h"
#include "gui/platform/dialog_template.h"
#include "gui/platform/path_text.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

QString TableText(int id) {
  return QString::fromStdString(StringText(id));
}

}  // namespace

std::optional<std::string> ChooseCollectionFile(QWidget* parent, const std::string& loaded, int caption) {
  const QString folder =
      loaded.empty() ? QString() : PathToText(std::filesystem::path(AbsolutePath(loaded)).parent_path().string());
  const QString chosen = QFileDialog::getOpenFileName(parent, TableText(caption), folder,
                                                      TableText(MainWindowIds::kTextOpenFilter));
  if (chosen.isEmpty()) return std::nullopt;
  // A name the local encoding cannot hold is on no disk: its nearest bytes
  // are then simply not found.
  return TextToPath(chosen).value_or(QFile::encodeName(chosen).toStdString());
}

std::optional<std::string> DroppedFile(const QMimeData* data) {
  if (data == nullptr) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    if (std::optional<std::string> path = UrlToPath(url)) return path;
  }
  return std::nullopt;
}

}  // namespace lumo
