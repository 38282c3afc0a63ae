#include "app/pack_download.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace vantorn::app {

using words::Entry;

namespace {
const OptionalPack kPacks[] = {
    {"QexCards06A.dll", Entry::PackCardsA, "ButtonDLLCardsA", 2},
    {"QexCards06B.dll", Entry::PackCardsB, "ButtonDLLCardsB", 3},
    {"QexBackG03.dll", Entry::PackBackgrounds, "ButtonDLLBackG", 2},
    {"QexCalendar01.dll", Entry::PackCalendar, "ButtonDLLCalendar", 1},
    {"QexRadio.rad", Entry::PackRadioList, "ButtonRADRadio", 1},
    {"QexRadio02.dll", Entry::PackRadioPictures, "ButtonDLLRadio", 1},
    {"QexCVoice3.dll", Entry::PackVoice, "ButtonDLLVoice", 1},
    {"QexCards06C.dll", Entry::PackCardsC, "ButtonDLLCardsC", 2},
    {"QexCGraph1.dll", Entry::PackWindowGraphics, "ButtonDLLGraph", 2},
};

// The longest answer taken for a pack; anything larger is refused as not a pack.
constexpr qint64 kMaxPackBytes = 256ll * 1024 * 1024;
}  // namespace

std::span<const OptionalPack> optionalPacks() { return kPacks; }

QString packButtonName(const OptionalPack& pack, int index) {
  const QString base = QString::fromLatin1(pack.button);
  return index == 0 ? base : base + QStringLiteral("_%1").arg(index);
}

PackDownload::PackDownload(QObject* parent) : QObject(parent), FNet(new QNetworkAccessManager(this)) {}

PackDownload::~PackDownload() {
  if (FReply) {
    FReply->disconnect(this);
    FReply->abort();
    FReply->deleteLater();
  }
}

QUrl PackDownload::urlFor(const QString& base, const QString& file) {
  QString root = base;
  while (root.endsWith(QLatin1Char('/'))) root.chop(1);
  return QUrl(root + QStringLiteral("/downloads/progr/cards/") + file);
}

bool PackDownload::start(const QString& file, std::function<void(bool)> done) {
  if (busy()) return false;
  FBusy = true;
  FDone = std::move(done);
  const bool bareName = !file.isEmpty() && !file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char('\\')) &&
                        file != QStringLiteral(".") && file != QStringLiteral("..");
  const QUrl url = urlFor(FBase, file);
  if (!bareName || FBase.isEmpty() || FFolder.isEmpty() || !url.isValid()) {
    // Report on the next turn of the loop, as a network failure would be.
    QTimer::singleShot(0, this, [this] { finish(false); });
    return true;
  }
  FFile = std::make_unique<QSaveFile>(QDir(FFolder).filePath(file));
  if (!FFile->open(QIODevice::WriteOnly)) {
    FFile.reset();
    QTimer::singleShot(0, this, [this] { finish(false); });
    return true;
  }
  QNetworkRequest request(url);
  request.setTransferTimeout(60000);
  FReply = FNet->get(request);
  connect(FReply, &QNetworkReply::readyRead, this, [this] {
    const QByteArray chunk = FReply->readAll();
    if (FFile->size() + chunk.size() > kMaxPackBytes || FFile->write(chunk) != chunk.size()) FReply->abort();
  });
  connect(FReply, &QNetworkReply::finished, this, [this] {
    const int status = FReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool ok = FReply->error() == QNetworkReply::NoError && status == 200;
    if (ok) {
      const QByteArray rest = FReply->readAll();
      ok = FFile->write(rest) == rest.size() && FFile->size() > 0;
    }
    FReply->deleteLater();
    FReply = nullptr;
    finish(ok);
  });
  return true;
}

void PackDownload::finish(bool ok) {
  if (FFile) {
    if (ok) ok = FFile->commit();
    else FFile->cancelWriting();
    FFile.reset();  // an uncommitted save file removes its temporary file
  }
  FBusy = false;
  auto done = std::move(FDone);
  FDone = nullptr;
  if (done) done(ok);
}

}  // namespace vantorn::app
