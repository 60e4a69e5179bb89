// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ProductDescription.h"
#include "support/TempAppDir.h"
#include "widgets/OakProcessDialog.h"
#include "widgets/OakPushButton.h"
#include "widgets/SkinImage.h"

#include <QFile>
#include <QMovie>
#include <QSettings>
#include <QSvgRenderer>
#include <QtTest>

namespace {

struct DesignImage
{
    const char* name;
    int width;
    int height;
};

// Every skin image the program names, at the size it was designed for.
const DesignImage kImages[] = {
    {"cfgMainback.png", 999, 640},
    {"close-1.png", 32, 32},
    {"close-2.png", 32, 32},
    {"close-3.png", 32, 32},
    {"min-1.png", 32, 32},
    {"min-2.png", 32, 32},
    {"min-3.png", 32, 32},
    {"lang.png", 32, 32},
    {"profile_apply1.png", 32, 32},
    {"profile_import1.png", 32, 32},
    {"profile_export1.png", 32, 32},
    {"bat1.png", 80, 32},
    {"bat2.png", 80, 32},
    {"lightning.png", 24, 24},
    {"dongle.png", 24, 24},
    {"dongle2.png", 160, 96},
    {"mouselogo.png", 40, 40},
    {"btn_up1.png", 24, 24},
    {"btn_up2.png", 24, 24},
    {"btn_up3.png", 24, 24},
    {"btn_up4.png", 24, 24},
    {"btn_down1.png", 24, 24},
    {"btn_down2.png", 24, 24},
    {"btn_down3.png", 24, 24},
    {"btn_down4.png", 24, 24},
    {"DPI-ON.png", 24, 24},
    {"DPI-OFF.png", 24, 24},
    {"dlg.png", 400, 258},
    {"keydown.png", 16, 16},
    {"keyup.png", 16, 16},
    {"mouse_move.png", 16, 16},
    {"process.png", 128, 128},
    {"icon.ico", 256, 256},
    {"mouse/Wren W8/Mouse.png", 665, 266},
    {"mouse/Wren W8/_Side.png", 665, 266},
};

const QString kModel = QStringLiteral("Wren W8");

QString builtSkin(const QString& name)
{
    return QStringLiteral(MOUSECFG_BUILD_APP_DIR "/skin/") + name;
}

QString modelFile(const QString& name)
{
    return builtSkin(QStringLiteral("mouse/") + kModel + QLatin1Char('/') + name);
}

bool hasColour(const QImage& image, const QColor& colour)
{
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if ((plain.pixel(x, y) & RGB_MASK) == (colour.rgb() & RGB_MASK) &&
                qAlpha(plain.pixel(x, y)) == 255)
                return true;
    return false;
}

int partlyTransparentPixels(const QImage& image)
{
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            count += qAlpha(plain.pixel(x, y)) > 0 && qAlpha(plain.pixel(x, y)) < 255;
    return count;
}

// The bounding box of the pixels in which two images of one size differ.
QRect difference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            if (left.pixel(x, y) != right.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

QList<int> presentButtons()
{
    const ProductDescription model(QStringLiteral(MOUSECFG_DATA_DIR "/DefaultProfile.bin"));
    qint8 presence[16] = {};
    model.buttonPresence(presence);
    QList<int> buttons;
    for (int i = 0; i < qMin(model.buttonCount(), 16); ++i)
        if (presence[i] != -1)
            buttons << i;
    return buttons;
}

} // namespace

class TestSkin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyImageExistsAtItsDesignSize()
    {
        for (const DesignImage& image : kImages) {
            const QString path = builtSkin(QLatin1String(image.name));
            const QSize design(image.width, image.height);
            QCOMPARE(QImage(path).size(), design);
            if (!path.endsWith(QLatin1String(".ico")))
                QCOMPARE(SkinImage::designSize(path), design);
        }
    }

    void backgroundKeepsItsRoundedShapeAtEveryScale()
    {
        for (const double scale : {1.0, 5.0}) {
            const QSize size(int(999 * scale), int(640 * scale));
            const QImage background =
                SkinImage::pixmap(builtSkin(QStringLiteral("cfgMainback.png")), size).toImage();
            QCOMPARE(background.size(), size);
            QCOMPARE(qAlpha(background.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(background.pixel(size.width() - 1, size.height() - 1)), 0);
            QCOMPARE(qAlpha(background.pixel(size.width() / 2, size.height() / 2)), 255);
            QCOMPARE(qAlpha(background.pixel(size.width() / 2, 1)), 255);
        }
    }

    void loaderRendersTheSvgAtTheRequestedSizeInTheAccent()
    {
        const QString path = builtSkin(QStringLiteral("DPI-ON.png"));
        for (const int side : {24, 120}) {
            const QImage sample = SkinImage::pixmap(path, QSize(side, side)).toImage();
            QCOMPARE(sample.size(), QSize(side, side));
            QVERIFY(hasColour(sample, SkinImage::sampleAccent()));

            const QImage blue = SkinImage::pixmap(path, QSize(side, side), QColor(0, 0, 255)).toImage();
            QCOMPARE(blue.size(), QSize(side, side));
            QVERIFY(hasColour(blue, QColor(0, 0, 255)));
            QVERIFY(!hasColour(blue, SkinImage::sampleAccent()));
        }
    }

    void loaderDrawsEdgesSharpAtTheHighestScale()
    {
        // Five times the design size: drawn from the SVG the outline keeps hard
        // edges; a stretched PNG would smear each edge over several pixels.
        const QString path = builtSkin(QStringLiteral("DPI-OFF.png"));
        const QSize large(120, 120);
        const QImage drawn = SkinImage::pixmap(path, large).toImage();
        const QImage stretched = QImage(path).scaled(large, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(partlyTransparentPixels(drawn) * 2 < partlyTransparentPixels(stretched));
    }

    void loaderFallsBackToThePngWhenTheSvgIsUnusable()
    {
        TempAppDir dir;
        const QString path = dir.paths().skinFile(QStringLiteral("DPI-ON.png"));
        const QString svg = SkinImage::svgPathFor(path);
        QVERIFY(QFile::exists(svg));
        for (const QByteArray& broken :
             {QByteArray(), QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect")}) {
            QFile::remove(svg);
            if (!broken.isEmpty())
                dir.writeFile(QStringLiteral("skin/DPI-ON.svg"), broken);
            QCOMPARE(SkinImage::designSize(path), QSize(24, 24));
            const QImage scaled = SkinImage::pixmap(path, QSize(48, 48), QColor(0, 255, 0)).toImage();
            QCOMPARE(scaled.size(), QSize(48, 48));
            QVERIFY(hasColour(scaled, QColor(0, 255, 0)));
            QVERIFY(!hasColour(scaled, SkinImage::sampleAccent()));
        }
    }

    void missingImageGivesANullPixmap()
    {
        TempAppDir dir;
        const QString missing = dir.paths().skinFile(QStringLiteral("no-such.png"));
        QVERIFY(SkinImage::pixmap(missing, QSize(32, 32)).isNull());
        QVERIFY(!SkinImage::designSize(missing).isValid());
        QVERIFY(SkinImage::pixmap(QString(), QSize(32, 32)).isNull());
        const QString present = dir.paths().skinFile(QStringLiteral("close-1.png"));
        QVERIFY(SkinImage::pixmap(present, QSize(0, 32)).isNull());
        QVERIFY(SkinImage::pixmap(present, QSize(100000, 100000)).isNull());

        // A button whose images are gone shows its text instead.
        QVERIFY(QFile::remove(present));
        QVERIFY(QFile::remove(SkinImage::svgPathFor(present)));
        OakPushButton button;
        button.setImages(present);
        QVERIFY(!button.hasImages());
    }

    void imageButtonShowsItsPressedLookInTheThemeColour()
    {
        OakPushButton button;
        button.setImages(builtSkin(QStringLiteral("close-1.png")), builtSkin(QStringLiteral("close-2.png")),
                         builtSkin(QStringLiteral("close-3.png")));
        button.setThemeColor(QColor(0, 0, 255));
        button.resize(160, 160);
        QVERIFY(!hasColour(button.grab().toImage(), QColor(0, 0, 255)));
        button.setHighlighted(true);
        const QImage pressed = button.grab().toImage();
        QVERIFY(hasColour(pressed, QColor(0, 0, 255)));
        QVERIFY(!hasColour(pressed, SkinImage::sampleAccent()));
    }

    void busyDialogHasItsLoadingAnimation()
    {
        const OakProcessDialog dialog(builtSkin(QStringLiteral("process.png")));
        QMovie movie(QStringLiteral(":/skin/loading.gif"));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
        QVERIFY(movie.jumpToFrame(0));
        QCOMPARE(movie.currentImage().size(), QSize(48, 48));
    }

    void hoverPicturesDifferFromTheMouseOnlyAroundTheirButton()
    {
        const QList<int> buttons = presentButtons();
        QVERIFY(!buttons.isEmpty());
        const QImage mouse(modelFile(QStringLiteral("Mouse.png")));
        QVERIFY(!mouse.isNull());
        const QSvgRenderer drawing(modelFile(QStringLiteral("Mouse.svg")));
        QVERIFY(drawing.isValid());
        for (const int i : buttons) {
            const QString id = QStringLiteral("button%1").arg(i);
            QVERIFY2(drawing.elementExists(id), qPrintable(id));
            const QImage hover(modelFile(QStringLiteral("mouse_%1.png").arg(i + 1)));
            QCOMPARE(hover.size(), mouse.size());
            const QRect changed = difference(mouse, hover);
            const QRectF shape = drawing.transformForElement(id).mapRect(drawing.boundsOnElement(id));
            QVERIFY2(!changed.isEmpty(), qPrintable(id));
            QVERIFY2(shape.adjusted(-2, -2, 2, 2).contains(changed), qPrintable(id));
        }
    }

    void markersNameEveryButtonOfTheModelInsideItsPicture()
    {
        QSettings markers(modelFile(QStringLiteral("markers.ini")), QSettings::IniFormat);
        for (const char* view : {"Front", "Side"}) {
            markers.beginGroup(QLatin1String(view));
            const QSize size(markers.value(QStringLiteral("width")).toInt(),
                             markers.value(QStringLiteral("height")).toInt());
            QCOMPARE(QImage(modelFile(markers.value(QStringLiteral("picture")).toString())).size(), size);
            const QStringList placed = markers.childGroups();
            QVERIFY(!placed.isEmpty());
            for (const QString& button : placed) {
                const QPoint centre(markers.value(button + QStringLiteral("/x"), -1).toInt(),
                                    markers.value(button + QStringLiteral("/y"), -1).toInt());
                QVERIFY2(QRect(QPoint(12, 12), size - QSize(24, 24)).contains(centre), qPrintable(button));
            }
            markers.endGroup();
        }
        for (const int i : presentButtons())
            QVERIFY(markers.contains(QStringLiteral("Front/button%1/x").arg(i)));
        QVERIFY(markers.contains(QStringLiteral("Front/button40/x")));
        QVERIFY(markers.contains(QStringLiteral("Front/button41/x")));
    }
};

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
