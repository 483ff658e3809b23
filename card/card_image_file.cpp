#include "card/card_image_file.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

QString ProposedImagePath(const QString &picturesFolder, const QString &homeFolder, const QDateTime &now)
{
    const QString folder = !picturesFolder.isEmpty() && QFileInfo(picturesFolder).isDir() ? picturesFolder : homeFolder;
    return QDir(folder).filePath(u"戯詠帖-%1.png"_s.arg(now.toString(u"yyyyMMdd-HHmmss"_s)));
}

std::optional<QString> WriteCardImage(const QImage &image, const QString &fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    if (QFileInfo(fileName).isDir())
        return u"「%1」はフォルダの名前です。画像は保存していません。別の名前を選んでください。"_s.arg(shown);

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return u"「%1」を保存できませんでした。このフォルダに書き込む権限がないか、フォルダがありません。"_s.arg(shown);
    }
    // Encoded in memory first: the disk's faults then come from the file alone.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (file.write(png) != png.size() || !file.commit()) {
        file.cancelWriting();
        const QString kept =
            QFileInfo::exists(fileName) ? u"前からあった同じ名前のファイルはそのまま残っています。"_s : QString();
        return u"「%1」を保存できませんでした。ディスクの空きが足りないか、書き込みの途中で問題が起きました。"_s.arg(
                   shown)
            + kept;
    }
    return std::nullopt;
}
