#include "palette/PalettePanel.h"
#include "app/Prompts.h"
#include "palette/PalSetupDialog.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace kadro;
using namespace kadro::gui;

namespace {

PaletteTable numberedTable() {
    PaletteTable table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {static_cast<Colour>(i * 0x010101), i % 3 == 0 ? 0u : 1u};
    return table;
}

QAction* menuItem(PalettePanel& panel, const QString& text) {
    for (QAction* action : panel.lineMenu()->actions()) {
        if (action->text() == text)
            return action;
    }
    qFatal("no menu item %s", qPrintable(text));
}

void rightClickRow(PalettePanel& panel, int row) {
    QTest::mousePress(&panel, Qt::RightButton, {}, PalettePanel::cellRect(row * 16 + 4).center());
    panel.lineMenu()->hide();
}

} // namespace

class PalettePanelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dragSwapsBothFieldsOfTwoSlots() {
        PaletteTable table = numberedTable();
        const PaletteTable before = table;
        PalettePanel panel(table);
        QTest::mousePress(&panel, Qt::LeftButton, {}, PalettePanel::cellRect(0x12).center());
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, PalettePanel::cellRect(0x35).center());
        QCOMPARE(table[0x12], before[0x35]);
        QCOMPARE(table[0x35], before[0x12]);
        QCOMPARE(before[0x12].used, 0u); // an unused slot's colour travels with its flag

        QTest::mousePress(&panel, Qt::LeftButton, {}, PalettePanel::cellRect(7).center());
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, PalettePanel::cellRect(7).center());
        QCOMPARE(table[7], before[7]);
    }

    void cellsHaveGapsBetweenThem() {
        QCOMPARE(PalettePanel::cellRect(0), QRect(2, 2, 21, 13));
        QCOMPARE(PalettePanel::cellRect(17), QRect(24, 16, 21, 13));
        QCOMPARE(PalettePanel::slotAt(QPoint(23, 5)), std::nullopt);
    }

    void cutAndPasteMovesALine() {
        PaletteTable table = numberedTable();
        const PaletteTable before = table;
        PalettePanel panel(table);
        rightClickRow(panel, 3);
        QVERIFY(!menuItem(panel, QStringLiteral("Line paste"))->isEnabled());
        menuItem(panel, QStringLiteral("Line cut"))->trigger();
        rightClickRow(panel, 5);
        QVERIFY(menuItem(panel, QStringLiteral("Line paste"))->isEnabled());
        menuItem(panel, QStringLiteral("Line paste"))->trigger();
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(table[static_cast<std::size_t>(0x50 + i)],
                     before[static_cast<std::size_t>(0x30 + i)]);
            QCOMPARE(table[static_cast<std::size_t>(0x30 + i)].used, 0u);
            QCOMPARE(table[static_cast<std::size_t>(0x30 + i)].colour,
                     before[static_cast<std::size_t>(0x30 + i)].colour);
        }
        rightClickRow(panel, 6);
        menuItem(panel, QStringLiteral("Line clear"))->trigger();
        QCOMPARE(table[0x61].used, 0u);
        QVERIFY(panel.lineHeld());
    }

    void saveAndLoadGoThroughPaletteFiles() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.pal"));
        Prompts::setFileHandler([&](const FilePrompt&) {
            return std::optional<FileAnswer>(FileAnswer{path, 1});
        });
        QStringList messages;
        Prompts::setMessageHandler([&](const QString& text, PromptIcon) { messages << text; });

        PaletteTable saved = numberedTable();
        PalSetupDialog saver(saved);
        saver.findChild<QPushButton*>(QStringLiteral("save"))->click();

        PaletteTable other{};
        other[0] = {0x123456, 1};
        PalSetupDialog loader(other);
        loader.findChild<QPushButton*>(QStringLiteral("load"))->click();
        QCOMPARE(other[0], (PaletteSlot{0x123456, 1})); // stored unused: kept
        QCOMPARE(other[1], saved[1]);

        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(2064, 'x'));
        junk.close();
        loader.findChild<QPushButton*>(QStringLiteral("load"))->click();
        QCOMPARE(messages, QStringList{QStringLiteral("该文件不是合法的调色板文件!")});
        QCOMPARE(other[1], saved[1]);
        Prompts::setFileHandler({});
        Prompts::setMessageHandler({});
    }
};

QTEST_MAIN(PalettePanelTest)
#include "PalettePanelTest.moc"
