// Looking at packs: a listing of names and types, and contact sheets of pictures.
#pragma once

#include <QString>
#include <QStringList>

namespace assets {

bool listPack(const QString& file);
// Writes PNG pages "<pack>-NN.png" into outDir, each picture with its type and name.
bool contactSheets(const QStringList& files, const QString& outDir);

}  // namespace assets
