// The window in a dark palette (and in adwaita-qt6's dark style where installed): the list takes
// the desktop's colours, the comparison's marks keep their text readable, and the list's text
// zooms and keeps its size for the next start.

#include <QHeaderView>
#include <QImage>
#include <QMap>
#include <QStyle>
#include <QStyleFactory>

#include "app/AppFixture.h"
#include "app/compare/CompareTableModel.h"
#include "app/compare/CompareWindow.h"
#include "shell/ColourContrast.h"

namespace sky::app::test {

namespace {

Rgb rgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(40, 40, 40));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// The contrast of a rendered cell: its most frequent colour is taken as the background, the
// pixel farthest from it as the text.
double renderedContrast(const QImage& cell) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) ++counts[cell.pixel(x, y)];
    }
    QRgb background = counts.firstKey();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it.value() > counts[background]) background = it.key();
    }
    double best = 1;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        best = std::max(best, contrastRatio(rgb(QColor(background)), rgb(QColor(it.key()))));
    }
    return best;
}

}  // namespace

class DarkThemeTest : public QObject, public AppFixture {
    Q_OBJECT
private slots:
    void initTestCase() { light_ = QApplication::palette(); }
    void init() {}
    void cleanup() {
        stop();
        QApplication::setPalette(light_);
    }

    void listAndMarksFollowADarkPalette_data() {
        QTest::addColumn<QString>("style");
        QTest::newRow("dark palette") << QString();
        // adwaita-qt6's dark style brings its own dark palette.
        if (QStyleFactory::keys().contains("Adwaita-Dark", Qt::CaseInsensitive)) {
            QTest::newRow("Adwaita-Dark") << QString("Adwaita-Dark");
        }
    }

    void listAndMarksFollowADarkPalette() {
        QFETCH(QString, style);
        QStyle* styled = style.isEmpty() ? nullptr : QStyleFactory::create(style);
        if (styled) QApplication::setStyle(styled);
        QApplication::setPalette(styled ? styled->standardPalette() : darkPalette());
        const QPalette palette = QApplication::palette();
        QVERIFY(relativeLuminance(rgb(palette.color(QPalette::Base))) < 0.2);
        start();
        open(copyExample());

        QCOMPARE(table()->palette().color(QPalette::Base), palette.color(QPalette::Base));
        QCOMPARE(table()->palette().color(QPalette::Text), palette.color(QPalette::Text));
        const QRect cell = table()->visualRect(model()->index(0, 5));
        const QImage shown = table()->viewport()->grab(cell).toImage();
        QVERIFY2(renderedContrast(shown) >= kMinimumContrast,
                 qPrintable(QString::number(renderedContrast(shown))));

        // The comparison with the list as saved, one name changed: the changed cells' mark.
        trigger(Command::Save);
        QByteArray text = readAll(QString::fromStdString(frame->document().currentPath()));
        text.replace("\"ZDF\"  ", "\"ZDF HD\"");
        const QString other = dir->path() + "/other.txt";
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        files.push_back(other);
        trigger(Command::CompareWithList);
        auto* window = frame->findChild<CompareWindow*>();
        QVERIFY(window);
        const QModelIndex marked = window->model()->index(0, CompareTableModel::CellsColumn);
        const QColor mark = marked.data(Qt::BackgroundRole).value<QBrush>().color();
        QVERIFY(mark.isValid());
        QVERIFY(mark != palette.color(QPalette::Base));
        QVERIFY(contrastRatio(rgb(mark), rgb(palette.color(QPalette::Text))) >= kMinimumContrast);
        window->close();
        if (styled) QApplication::setStyle(QStyleFactory::create("Fusion"));
    }

    void zoomKeysChangeTheListsTextAndTheNextStartKeepsIt() {
        start();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        const qreal normal = QApplication::font(table()).pointSizeF();
        QVERIFY(frame->action(Command::ZoomIn)->shortcuts().contains(QKeySequence("Ctrl++")));
        QTest::keyClick(table(), Qt::Key_Plus, Qt::ControlModifier);
        trigger(Command::ZoomIn);
        QCOMPARE(table()->font().pointSizeF(), normal + 2);
        const int rowHeight = table()->verticalHeader()->defaultSectionSize();
        trigger(Command::ZoomOut);
        QVERIFY(table()->verticalHeader()->defaultSectionSize() < rowHeight);

        frame.reset();
        frame = std::make_unique<MainWindow>();
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        QCOMPARE(table()->font().pointSizeF(), normal + 1);
        QTest::keyClick(table(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(table()->font().pointSizeF(), normal);
    }

private:
    QPalette light_;
};

}  // namespace sky::app::test

QTEST_MAIN(sky::app::test::DarkThemeTest)
#include "DarkTheme_test.moc"
