#include "app/Language.h"
#include "app/CKadroApp.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/InfoBar.h"
#include "app/Prompts.h"
#include "app/QtUserInterface.h"
#include "document/CKadroDoc.h"
#include "document/TransformationDialog.h"
#include "view/ToolBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace kadro;
using namespace kadro::gui;
using translation::Language;

namespace {

// The menu bar's titles, left to right.
QStringList menuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

QString buttonTexts(QWidget* dialog) {
    QStringList texts;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        texts << b->text();
    return texts.join(QLatin1Char('|'));
}

// With KADRO_SCREENSHOT_DIR set (under Xvfb with a window manager), the real screen is saved
// for a person to look at; otherwise nothing happens.
void screenshot(const QString& name) {
    const QByteArray dir = qgetenv("KADRO_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QTest::qWait(400);
    QApplication::primaryScreen()->grabWindow(0).save(
        QDir(QString::fromLocal8Bit(dir)).filePath(name + QStringLiteral(".png")));
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList messages_;
    std::unique_ptr<CKadroApp> app_;

    CMainFrame& frame() { return *app_->frame(); }

    void start(Language language) {
        useLanguage(language);
        QFile::remove(dir_.filePath(QStringLiteral("sample.bmp")));
        QFile::copy(QStringLiteral(KADRO_SAMPLES_DIR "/sample.bmp"),
                    dir_.filePath(QStringLiteral("sample.bmp")));
        app_ = std::make_unique<CKadroApp>(QStringLiteral(KADRO_BIN_DIR));
        QVERIFY(app_->initInstance({dir_.filePath(QStringLiteral("sample.bmp"))}));
        frame().setGeometry(40, 40, 1100, 640);
        QApplication::setActiveWindow(&frame());
        frame().updateCommands();
    }

    // Opens the Transformation dialog and refuses an area of 100 pixels across.
    TransformationDialog* refuseAnArea(const QString& language) {
        frame().commandAction(cmd::transform)->trigger();
        TransformationDialog* dialog = app_->document().transformationDialog();
        if (!dialog)
            return nullptr;
        screenshot(QStringLiteral("transformation-dialog-") + language);
        dialog->findChild<QLineEdit*>(QStringLiteral("width"))->setText(QStringLiteral("100"));
        const bool onScreen = !qEnvironmentVariableIsEmpty("KADRO_SCREENSHOT_DIR");
        if (onScreen) {
            // The real message box, pictured and then closed.
            Prompts::setMessageHandler(nullptr);
            QTimer::singleShot(600, [this, language] {
                QWidget* box = QApplication::activeModalWidget();
                messages_
                    << (box ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text()
                            : QString());
                screenshot(QStringLiteral("refusal-") + language);
                if (box)
                    box->close();
            });
        }
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isDefault())
                b->click();
        if (onScreen)
            Prompts::setMessageHandler(
                [this](const QString& text, PromptIcon) { messages_ << text; });
        return dialog;
    }

private Q_SLOTS:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dir_.filePath(QStringLiteral("settings")));
        Prompts::setMessageHandler([this](const QString& text, PromptIcon) { messages_ << text; });
    }
    void init() { messages_.clear(); }
    void cleanup() {
        app_.reset();
        useLanguage(Language::Original);
    }

    void theOriginalTextsStayAsTheyAre() {
        start(Language::Original);
        QCOMPARE(menuTitles(frame()),
                 QString::fromUtf8("(&F)ile|(&P)roject|(&E)dit|(&V)iew|(&T)ool|(&H)elp")
                     .split(QLatin1Char('|')));
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("就绪"));
        QCOMPARE(frame().toolBox().windowTitle(), QStringLiteral("绘图工具"));
        QCOMPARE(frame().commandAction(cmd::fileNew)->statusTip(), QStringLiteral("建立新文档"));
        TransformationDialog* dialog = refuseAnArea(QStringLiteral("original"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("VT03 Transformation"));
        QCOMPARE(messages_, QStringList{QStringLiteral("当前区域与块大小不匹配!")});
        dialog->close();
    }

    void englishReplacesTheChineseTexts() {
        start(Language::English);
        screenshot(QStringLiteral("main-window-en"));
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("Ready"));
        QCOMPARE(frame().toolBox().windowTitle(), QStringLiteral("Drawing Tools"));
        QCOMPARE(frame().commandAction(cmd::fileNew)->statusTip(),
                 QStringLiteral("Create a new document"));
        QCOMPARE(frame().commandAction(cmd::fileNew)->toolTip(), QStringLiteral("New"));
        // The texts written in English stay as they are.
        QCOMPARE(menuTitles(frame()).first(), QStringLiteral("(&F)ile"));
        TransformationDialog* dialog = refuseAnArea(QStringLiteral("en"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("VT03 Transformation"));
        QCOMPARE(messages_,
                 QStringList{QStringLiteral("The area is not a whole number of characters.")});
        dialog->close();
        // A message of the core, with its numbers, arrives in English too.
        QtUserInterface ui;
        ui.showMessage("(16,0,24,8)内颜色超过16种,转换终止!", MessageIcon::Warning, {});
        QCOMPARE(messages_.last(), QStringLiteral("Block (16,0)–(24,8) has more than 16 colours; "
                                                  "conversion stopped."));
    }

    void chineseReplacesTheEnglishTexts() {
        start(Language::Chinese);
        screenshot(QStringLiteral("main-window-zh"));
        QCOMPARE(menuTitles(frame()),
                 QString::fromUtf8("文件(&F)|工程(&P)|编辑(&E)|查看(&V)|工具(&T)|帮助(&H)")
                     .split(QLatin1Char('|')));
        QCOMPARE(frame().statusBar()->currentMessage(), QStringLiteral("就绪"));
        QStringList boxes;
        for (const QGroupBox* box : frame().infoBar().findChildren<QGroupBox*>())
            boxes << box->title();
        QVERIFY2(boxes.contains(QStringLiteral("信息")), qPrintable(boxes.join(QLatin1Char(','))));
        TransformationDialog* dialog = refuseAnArea(QStringLiteral("zh"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("VT03 转换"));
        QVERIFY(buttonTexts(dialog).contains(QStringLiteral("下一步")));
        QCOMPARE(messages_, QStringList{QStringLiteral("当前区域与块大小不匹配!")});
        dialog->close();
        QtUserInterface ui;
        ui.showMessage("Open Rom.b00 Error!", MessageIcon::Warning, {});
        QCOMPARE(messages_.last(), QStringLiteral("打开 Rom.b00 出错!"));
    }

    void theSettingChoosesOverTheLocale() {
        QSettings settings = userSettings();
        qputenv("LC_ALL", "zh_CN.UTF-8");
        settings.remove(languageSetting.key);
        QCOMPARE(chosenLanguage(settings), Language::Chinese);
        settings.setValue(languageSetting.key, QStringLiteral("english"));
        QCOMPARE(chosenLanguage(settings), Language::English);
        settings.setValue(languageSetting.key, QStringLiteral("original"));
        QCOMPARE(chosenLanguage(settings), Language::Original);
        qputenv("LC_ALL", "C");
        settings.setValue(languageSetting.key, QStringLiteral("system"));
        QCOMPARE(chosenLanguage(settings), Language::Original);
        for (Language language : {Language::Original, Language::English, Language::Chinese})
            QCOMPARE(languageOfSetting(settingOfLanguage(language)), language);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
