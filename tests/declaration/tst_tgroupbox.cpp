#include "Fonts.h"
#include "TGroupBox.h"

#include <QImage>
#include <QTest>

namespace {
const QRgb PanelColour = qRgb(0xEA, 0xE5, 0xCF);
}

// The etched frame, the caption on its top line and the unfilled inside, read from the pixels.
class TestTGroupBox : public QObject
{
    Q_OBJECT

    QWidget m_panel;
    TGroupBox *m_box = nullptr;
    QImage m_image; // the box as painted on its panel
    QRgb dark = 0, light = 0;

    QRgb at(int x, int y) const { return m_image.pixel(x, y); }

private slots:
    void initTestCase()
    {
        Fonts::installLookAlikes();
        m_panel.resize(400, 200);
        m_panel.setAutoFillBackground(true);
        QPalette palette = m_panel.palette();
        palette.setColor(QPalette::Window, QColor(PanelColour));
        m_panel.setPalette(palette);
        m_box = new TGroupBox(QString::fromUtf8("Munkavállalói járulék összege"), &m_panel);
        m_box->setFont(Fonts::byPixelHeight(QStringLiteral("Arial"), 13, Fonts::Bold));
        m_box->setGeometry(16, 40, 300, 120);
        m_image = m_panel.grab(m_box->geometry()).toImage();
        dark = m_box->palette().color(QPalette::Dark).rgb();
        light = m_box->palette().color(QPalette::Light).rgb();
        QVERIFY(dark != light && dark != PanelColour && light != PanelColour);
    }

    void insideShowsThePanel()
    {
        QCOMPARE(at(150, 70), PanelColour);
        QCOMPARE(at(2, m_box->frameTop() + 2), PanelColour);
        QCOMPARE(at(m_box->width() - 3, m_box->height() - 3), PanelColour);
    }

    void frameIsADarkLineWithALightLineBesideIt_data()
    {
        QTest::addColumn<QPoint>("darkPixel");
        QTest::addColumn<QPoint>("lightPixel");
        const int top = 6; // half the caption's line height, less one
        QTest::newRow("top, right of the caption") << QPoint(280, top) << QPoint(280, top + 1);
        QTest::newRow("left") << QPoint(0, 60) << QPoint(1, 60);
        QTest::newRow("right") << QPoint(298, 60) << QPoint(299, 60);
        QTest::newRow("bottom") << QPoint(150, 118) << QPoint(150, 119);
    }
    void frameIsADarkLineWithALightLineBesideIt()
    {
        QFETCH(QPoint, darkPixel);
        QFETCH(QPoint, lightPixel);
        QCOMPARE(m_box->frameTop(), 6);
        QCOMPARE(at(darkPixel.x(), darkPixel.y()), dark);
        QCOMPARE(at(lightPixel.x(), lightPixel.y()), light);
    }

    void captionCutsTheTopLine()
    {
        const QRect caption = m_box->captionRect();
        QCOMPARE(caption.topLeft(), QPoint(8, 0));
        QCOMPARE(caption.height(), QFontMetrics(m_box->font()).height());
        QVERIFY(caption.right() < 280);
        bool ink = false;
        for (int y = caption.top(); y <= caption.bottom(); ++y) {
            for (int x = caption.left(); x <= caption.right(); ++x)
                ink = ink || qGray(at(x, y)) < 100;
        }
        QVERIFY(ink);
        // Black text blended into the panel's colour is never the frame's grey.
        for (int x = caption.left(); x <= caption.right(); ++x)
            QVERIFY2(at(x, m_box->frameTop()) != dark, qPrintable(QString::number(x)));
        QCOMPARE(at(caption.left() - 1, m_box->frameTop()), dark);
    }
};

QTEST_MAIN(TestTGroupBox)
#include "tst_tgroupbox.moc"
