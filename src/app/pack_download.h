// The optional resource packs the options window offers for download, and the download
// itself: one file fetched over HTTP from "<base>/downloads/progr/cards/<file>" into a
// folder (the parent of the data folder). The bytes go to a temporary file beside the
// target that is renamed over it only when the whole answer arrived with status 200, so a
// failed download leaves no file behind and an existing file untouched.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <span>

#include "words/text.h"

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

namespace vantorn::app {

struct OptionalPack {
  const char* file;        // the pack's file name
  words::Entry title;      // what it holds, for the download page
  const char* button;      // object name of its first download button
  int buttons;             // how many buttons offer it (the others are named button + "_1", "_2")
};

// The packs in the order of their numbers.
std::span<const OptionalPack> optionalPacks();
// The object name of button `index` (0-based) of a pack.
QString packButtonName(const OptionalPack& pack, int index);

class PackDownload : public QObject {
  Q_OBJECT
 public:
  explicit PackDownload(QObject* parent = nullptr);
  ~PackDownload() override;

  void setBaseUrl(const QString& base) { FBase = base; }
  const QString& baseUrl() const { return FBase; }
  void setFolder(const QString& folder) { FFolder = folder; }
  const QString& folder() const { return FFolder; }

  // The address of a pack file under the base address.
  static QUrl urlFor(const QString& base, const QString& file);

  // Starts fetching `file`; `done(ok)` is called once when it ends. Returns false (and
  // calls nothing) while another download runs. A bad file name, an empty base or folder
  // and an unwritable folder end at once with done(false).
  bool start(const QString& file, std::function<void(bool)> done);
  bool busy() const { return FBusy; }

 private:
  void finish(bool ok);

  QString FBase;
  QString FFolder;
  QNetworkAccessManager* FNet;
  QNetworkReply* FReply = nullptr;
  std::unique_ptr<QSaveFile> FFile;
  std::function<void(bool)> FDone;
  bool FBusy = false;  // from start() until done() is called
};

}  // namespace vantorn::app
