#pragma once

#include <QString>

#include <optional>

class QDateTime;
class QImage;

// Where 画像で保存 proposes to put the card: a name with the date and time in
// it, so it does not replace the picture saved before, in the user's pictures
// folder, or in the home folder when there is no pictures folder.
QString ProposedImagePath(const QString &picturesFolder, const QString &homeFolder, const QDateTime &now);

// Writes the picture as PNG to a temporary file beside the named one, which
// takes the name only once it is complete, so a full disk or any other failure
// leaves an earlier file of that name whole. Nothing on success, otherwise
// the message to show, naming the file.
std::optional<QString> WriteCardImage(const QImage &image, const QString &fileName);
