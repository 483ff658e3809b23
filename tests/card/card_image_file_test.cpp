// 画像で保存 on a full disk, in a folder without write permission and onto a
// folder's name: a message naming the file, and an earlier file left whole.
#include "card/card_image_file.h"
#include "card_fixture.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Noise does not compress, so its PNG is as large as its pixels: about 2.5 MB.
QImage NoiseImage()
{
    QImage image(800, 800, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image;
}

QByteArray ReadAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A user without rights to a folder: root writes everywhere, so a test run as
// root writes as nobody meanwhile.
class WritingAsUser
{
public:
    WritingAsUser()
        : root_(geteuid() == 0)
    {
        if (root_ && seteuid(65534) != 0)
            ADD_FAILURE() << "cannot write as nobody";
    }
    ~WritingAsUser()
    {
        if (root_ && seteuid(0) != 0)
            ADD_FAILURE() << "cannot return to root";
    }
    WritingAsUser(const WritingAsUser &) = delete;
    WritingAsUser &operator=(const WritingAsUser &) = delete;

private:
    bool root_;
};

class CardImageFile : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Open to every user, so only the folders inside decide who may write.
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadOther | QFileDevice::ExeOther);
    }
    void TearDown() override
    {
        if (!mounted.isEmpty())
            umount(mounted.toLocal8Bit().constData());
    }

    QTemporaryDir dir;
    QString mounted;
    const QByteArray earlier = QByteArray(8000, 'e');
};

TEST_F(CardImageFile, WritesThePictureAndReplacesAnEarlierOne)
{
    const QString fileName = dir.filePath(u"色紙 café 〜.png"_s);
    ASSERT_TRUE(WriteBytes(fileName, earlier));
    const QImage image = NoiseImage();
    EXPECT_EQ(WriteCardImage(image, fileName), std::nullopt);
    EXPECT_EQ(QImage(fileName).convertToFormat(QImage::Format_RGB32), image);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"色紙 café 〜.png"_s}) << "no temporary file stays";
}

TEST_F(CardImageFile, FailureNamesTheFileAndLeavesTheEarlierOneWhole)
{
    struct Case
    {
        const char *what;
        // Prepares the place and gives the name to save under.
        std::function<QString()> prepare;
        bool asUser = false;
    };
    const Case cases[] = {
        {"full disk",
         [&] {
             const QString folder = dir.filePath(u"小さな円盤"_s);
             QDir().mkpath(folder);
             if (mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
                 return QString();
             mounted = folder;
             QString fileName = folder + u"/色紙.png"_s;
             WriteBytes(fileName, earlier);
             return fileName;
         }},
        {"folder without write permission",
         [&] {
             const QString folder = dir.filePath(u"読むだけ"_s);
             QDir().mkpath(folder);
             QString fileName = folder + u"/色紙.png"_s;
             WriteBytes(fileName, earlier);
             QFile::setPermissions(folder,
                                   QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
             return fileName;
         },
         true},
        {"name of a folder",
         [&] {
             QString folder = dir.filePath(u"色紙.png"_s);
             QDir().mkpath(folder);
             WriteBytes(folder + u"/中身"_s, earlier);
             return folder;
         }},
    };
    const QImage image = NoiseImage();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString fileName = c.prepare();
        if (fileName.isEmpty()) {
            ADD_FAILURE() << "a small tmpfs cannot be mounted here (the test needs root)";
            continue;
        }
        const QStringList before = QDir(QFileInfo(fileName).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        std::optional<QString> message;
        if (c.asUser) {
            WritingAsUser user;
            message = WriteCardImage(image, fileName);
        } else {
            message = WriteCardImage(image, fileName);
        }
        ASSERT_TRUE(message);
        EXPECT_TRUE(message->contains(u"「"_s + QDir::toNativeSeparators(fileName) + u"」"_s))
            << message->toStdString();
        EXPECT_TRUE(message->contains(u"保存できませんでした"_s) || message->contains(u"保存していません"_s))
            << message->toStdString();
        const QString kept = QFileInfo(fileName).isDir() ? fileName + u"/中身"_s : fileName;
        EXPECT_EQ(ReadAll(kept), earlier) << "the earlier file is whole";
        EXPECT_EQ(QDir(QFileInfo(fileName).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before)
            << "no temporary file stays";
    }
}

TEST(ProposedImagePath, DateAndTimeInThePicturesFolderOrAtHome)
{
    QTemporaryDir home;
    const QString pictures = home.filePath(u"Pictures"_s);
    const QDateTime when(QDate(2026, 12, 11), QTime(14, 30, 5));
    EXPECT_EQ(ProposedImagePath(pictures, home.path(), when), home.filePath(u"戯詠帖-20261211-143005.png"_s))
        << "no pictures folder: the home folder";
    ASSERT_TRUE(QDir().mkpath(pictures));
    EXPECT_EQ(ProposedImagePath(pictures, home.path(), when), pictures + u"/戯詠帖-20261211-143005.png"_s);
    EXPECT_EQ(ProposedImagePath(QString(), home.path(), when), home.filePath(u"戯詠帖-20261211-143005.png"_s));
}

class SaveImageDialog : public CardFixture
{
};

TEST_F(SaveImageDialog, ProposesANewNameInThePicturesFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(u".config"_s).toLocal8Bit());
    ASSERT_TRUE(QDir().mkpath(home.filePath(u"Pictures"_s)));

    QString folder;
    QString name;
    OnNextModal([&](QWidget *box) {
        auto *dialog = qobject_cast<QFileDialog *>(box);
        ASSERT_TRUE(dialog);
        folder = dialog->directory().absolutePath();
        auto *edit = box->findChild<QLineEdit *>(u"fileNameEdit"_s);
        ASSERT_TRUE(edit);
        name = edit->text();
        dialog->reject();
    });
    form->mnuSaveImage->trigger();
    qputenv("HOME", oldHome);
    if (oldConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);

    EXPECT_EQ(folder, QDir(home.filePath(u"Pictures"_s)).absolutePath());
    EXPECT_TRUE(QRegularExpression(u"^戯詠帖-20\\d{6}-\\d{6}\\.png$"_s).match(name).hasMatch()) << name.toStdString();
}

} // namespace
