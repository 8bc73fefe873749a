// Finding a plant's photos: the photo folder (Local.txt or under the data folder), the file
// names matched, the folder listed once between resets, what each photo holds.
#include "PhotoFiles.h"
#include "ui/views/ImageView.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace photo_test;

const QString kOrchids = QStringLiteral("蘭科");
const QString kLeaf = QStringLiteral("台灣一葉蘭");
const QString kTip = QStringLiteral("台灣一葉蘭 [蘭科]");

QStringList FileNames(const CImageView& view)
{
    QStringList names;
    for (int i = 0; i < view.ImageCount(); ++i)
        names << view.Image(i).fileName;
    return names;
}

struct FolderCase {
    const char* what;
    bool writeLocal;     // Local.txt names a folder
    bool absolute;       // the folder named is the absolute path of the photo folder
    const char* named;   // ImageDir (after the absolute prefix)
    const char* photos;  // where the photos lie, under the program folder
};

// Test names show the case.
void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.what; }

class ImageViewFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ImageViewFolder, FindsThePhotosThere)
{
    const FolderCase& c = GetParam();
    PhotoProgram program;
    if (c.writeLocal) {
        const QString prefix = c.absolute ? program.dir.path() + QLatin1Char('/') : QString();
        program.SetImageDir(prefix + QString::fromUtf8(c.named));
    }
    const QString folder = QString::fromUtf8(c.photos) + QLatin1Char('/') + kOrchids;
    program.Photo(folder + QStringLiteral("/台灣一葉蘭1.jpg"), Plain(40, 30, Qt::red));

    CImageView view;
    EXPECT_TRUE(view.LoadImages(0, kLeaf, kOrchids, kTip)) << c.what;
    EXPECT_EQ(FileNames(view), QStringList{QStringLiteral("台灣一葉蘭1.jpg")}) << c.what;
    EXPECT_EQ(QFileInfo(view.PhotoFolder()).canonicalFilePath(),
              QFileInfo(program.dir.file(QString::fromUtf8(c.photos))).canonicalFilePath())
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageViewFolder,
    ::testing::Values(FolderCase{"no Local.txt: 植物 in the data folder", false, false, "", "植物"},
                      FolderCase{"empty ImageDir", true, false, "", "植物"},
                      FolderCase{"absolute with a backslash", true, true, "photos\\", "photos"},
                      FolderCase{"absolute with a slash", true, true, "photos/", "photos"},
                      FolderCase{"absolute without a separator", true, true, "photos", "photos"},
                      FolderCase{"relative to the program folder", true, false, "pics", "pics"},
                      FolderCase{"relative with a backslash", true, false, "pics\\", "pics"},
                      FolderCase{"relative, two levels", true, false, "a\\b\\", "a/b"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ImageViewLoad, MatchesNamePrefixAndExtensionWithoutCase)
{
    PhotoProgram program;
    const QString dir = QStringLiteral("植物/蘭科/");
    const QImage photo = Plain(20, 10, Qt::green);
    for (const char* name : {"Bletilla 1.jpg", "bletilla formosana.JPG", "BLETILLA.Jpg",
                             "Bletilla.jpeg", "Bletilla.jpg.txt", "xBletilla.jpg", "Blet.jpg"})
        program.Photo(dir + QString::fromUtf8(name), photo);
    QDir().mkpath(program.dir.file(dir + QStringLiteral("Bletilla folder.jpg")));

    CImageView view;
    ASSERT_TRUE(view.LoadImages(3, QStringLiteral("Bletilla"), kOrchids, QStringLiteral("tip")));
    // In the order of the Windows search: names compared upper-cased, ' ' before '.'.
    EXPECT_EQ(FileNames(view), (QStringList{QStringLiteral("Bletilla 1.jpg"),
                                            QStringLiteral("bletilla formosana.JPG"),
                                            QStringLiteral("BLETILLA.Jpg")}));
    for (int i = 0; i < view.ImageCount(); ++i) {
        EXPECT_EQ(view.Image(i).key, 3);
        EXPECT_EQ(view.Image(i).prefix, QStringLiteral("Bletilla"));
        EXPECT_EQ(view.Image(i).sub, kOrchids);
    }
}

TEST(ImageViewLoad, NoPhotoAddsNothing)
{
    PhotoProgram program;
    program.Photo(QStringLiteral("植物/蘭科/白及.jpg"), Plain(20, 10, Qt::green));
    CImageView view;
    EXPECT_FALSE(view.LoadImages(0, kLeaf, kOrchids, kTip));
    EXPECT_FALSE(view.LoadImages(0, kLeaf, QStringLiteral("沒有這科"), kTip));
    EXPECT_EQ(view.ImageCount(), 0);
}

TEST(ImageViewLoad, HoldsALongFileNameWhole)
{
    PhotoProgram program;
    const QString name = QStringLiteral("台灣一葉蘭在合歡山東峰步道旁盛開的花朵特寫.jpg");
    ASSERT_GT(name.size(), 15);
    program.Photo(QStringLiteral("植物/蘭科/") + name, Plain(64, 48, Qt::blue));
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kLeaf, kOrchids, kTip));
    EXPECT_EQ(view.Image(0).fileName, name);
    // The whole name opens the file: the photo is laid out with its size.
    view.LayOutPhotos(QSize(200, 150));
    EXPECT_EQ(view.Image(0).pixelWidth, 64);
    EXPECT_EQ(view.Image(0).pixelHeight, 48);
    EXPECT_TRUE(view.Image(0).drawn);
}

TEST(ImageViewLoad, TipIsCutTo127Units)
{
    PhotoProgram program;
    program.Photo(QStringLiteral("植物/蘭科/台灣一葉蘭.jpg"), Plain(20, 10, Qt::green));
    const QString longTip = QString(200, QLatin1Char('x'));
    // A surrogate pair standing across the cut is left out whole.
    const QString pairTip = QString(126, QLatin1Char('y')) + QStringLiteral("𠀋z");

    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, kLeaf, kOrchids, longTip));
    ASSERT_TRUE(view.LoadImages(1, kLeaf, kOrchids, pairTip));
    EXPECT_EQ(view.Image(0).tip, QString(127, QLatin1Char('x')));
    EXPECT_EQ(view.Image(1).tip, QString(126, QLatin1Char('y')));
}

TEST(ImageViewLoad, ListsEachFamilyFolderOncePerReset)
{
    PhotoProgram program;
    const QImage photo = Plain(20, 10, Qt::green);
    program.Photo(QStringLiteral("植物/蘭科/台灣一葉蘭.jpg"), photo);
    program.Photo(QStringLiteral("植物/蘭科/白及.jpg"), photo);
    program.Photo(QStringLiteral("植物/杜鵑花科/玉山杜鵑.jpg"), photo);

    CImageView view;
    EXPECT_TRUE(view.LoadImages(0, kLeaf, kOrchids, kTip));
    // A photo added after the folder was listed is not seen before the next reset.
    program.Photo(QStringLiteral("植物/蘭科/石斛蘭.jpg"), photo);
    EXPECT_TRUE(view.LoadImages(1, QStringLiteral("白及"), kOrchids, kTip));
    EXPECT_FALSE(view.LoadImages(2, QStringLiteral("石斛蘭"), kOrchids, kTip));
    EXPECT_TRUE(view.LoadImages(3, QStringLiteral("玉山杜鵑"), QStringLiteral("杜鵑花科"), kTip));
    EXPECT_EQ(view.FoldersListed(), 2);

    view.Reset();
    EXPECT_EQ(view.ImageCount(), 0);
    EXPECT_EQ(view.FoldersListed(), 0);
    EXPECT_TRUE(view.LoadImages(2, QStringLiteral("石斛蘭"), kOrchids, kTip));
    EXPECT_EQ(view.FoldersListed(), 1);
}

TEST(ImageViewLoad, FindsPhotosThroughLinks)
{
    PhotoProgram program;
    const QString target = program.Photo(QStringLiteral("originals/a.jpg"), Plain(20, 10, Qt::red));
    QDir().mkpath(program.dir.file(QStringLiteral("植物/蘭科")));
    ASSERT_TRUE(QFile::link(target, program.dir.file(QStringLiteral("植物/蘭科/白及1.jpg"))));
    // A dangling link is no photo.
    ASSERT_TRUE(QFile::link(program.dir.file(QStringLiteral("gone.jpg")),
                            program.dir.file(QStringLiteral("植物/蘭科/白及2.jpg"))));
    CImageView view;
    ASSERT_TRUE(view.LoadImages(0, QStringLiteral("白及"), kOrchids, kTip));
    EXPECT_EQ(FileNames(view), QStringList{QStringLiteral("白及1.jpg")});
}

} // namespace
