// What the window remembers from one run to the next, in a settings folder of the test's own
// (XDG_CONFIG_HOME): a restart is a new window reading the same folder.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "ui/app_look.h"
#include "ui/settings_store.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

// A window started as the program starts one: with the settings of its edition.
struct StartedWindow : Window {
    explicit StartedWindow(Edition edition) : Window(edition) {
        form->UseSettings(std::make_unique<SettingsStore>(edition));
    }
};

QStringList RecentCaptions(const Window& w) {
    QStringList captions;
    for (QAction* item : w.Menu("RecentFiles1")->actions()) {
        if (item->objectName().startsWith(QLatin1String("RecentFile")))
            captions << Caption(item).replace(QStringLiteral("&&"), QStringLiteral("&"));
    }
    return captions;
}

void ShowMenu(const Window& w, const char* name) {
    QMenu* menu = w.Menu(QLatin1String(name));
    menu->popup(QPoint(0, 0));
    menu->hide();
}

}  // namespace

class RememberedSettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config_;
    QTemporaryDir files_;
    QString flash_;

    QString PathOf(const QString& name) const { return files_.filePath(name); }
    static void Load(Window& w, const QString& flash) {
        w.dialogs->open_answers.push_back(flash);
        w.Action("N2")->trigger();
    }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        flash_ = PathOf(QStringLiteral("s45 & co.bin"));
        QVERIFY(WriteAll(flash_, PatternImage(kImageSize)));
    }

    // Each test starts as on a first start: an empty settings folder.
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit());
    }

    void NoSettingsGiveTheUsualStart() {
        StartedWindow w(Edition::Latin);
        QCOMPARE(Caption(w.Menu("N1")), Q("Файл"));
        QCOMPARE(Caption(w.Menu("N3")), Q("Телефон (S/ME 45)"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Шрифт (Normal)"));
        QVERIFY(w.Action("N8")->isChecked());
        QVERIFY(w.Action("Zoom100")->isChecked());
        QCOMPARE(w.form->ClientArea()->size(), QSize(641, 289));
        QVERIFY(!w.form->editor().history().CanUndo());
        QVERIFY(RecentCaptions(w).isEmpty());
        QVERIFY(!w.Action("ClearRecentFiles1")->isEnabled());
        // Nothing was chosen, so nothing is written.
        QVERIFY(!QFileInfo::exists(config_->filePath(QStringLiteral("runewright"))));
    }

    // Language, phone, kind, zoom, the dialogs' files and the recent files come back; each
    // dialog offers the last file of its own kind only.
    void SettingsSurviveARestart() {
        {
            StartedWindow w(Edition::Latin);
            Load(w, flash_);
            QCOMPARE(RecentCaptions(w), QStringList{flash_});
            w.Action("English1")->trigger();
            w.Action("C451")->trigger();
            w.Action("Small1")->trigger();
            w.Action("Zoom200")->trigger();
            w.Action("ShowOriginal1")->trigger();
            w.Action("ImportPatch1")->trigger();
            QCOMPARE(w.dialogs->open_requests.back().suggested_path, QString());
            w.Action("ImportPng1")->trigger();
            QCOMPARE(w.dialogs->open_requests.back().suggested_path, QString());
        }
        QVERIFY(
            QFileInfo::exists(config_->filePath(QStringLiteral("runewright/runewright-eng.conf"))));
        StartedWindow w(Edition::Latin);
        QCOMPARE(Caption(w.Menu("N1")), Q("File"));
        QVERIFY(w.Action("English1")->isChecked());
        QCOMPARE(Caption(w.Menu("N3")), Q("Phone (C 45)"));
        QCOMPARE(Caption(w.Menu("N6")), Q("Font (Small)"));
        QVERIFY(w.Action("Zoom200")->isChecked());
        QVERIFY(w.Action("ShowOriginal1")->isChecked());
        QVERIFY(w.form->editor().state().show_original);
        QCOMPARE(w.form->ClientArea()->size(), QSize(1282, 578));
        QCOMPARE(RecentCaptions(w), QStringList{flash_});
        QCOMPARE(Caption(w.Menu("RecentFiles1")), Q("Recent files"));
        QCOMPARE(Caption(w.Action("ClearRecentFiles1")), Q("Clear list"));
        QVERIFY(!w.form->editor().history().CanUndo());
        w.Action("N2")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().suggested_path, flash_);
        w.Action("ImportPatch1")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().suggested_path, QString());
        // The other edition has its own settings.
        StartedWindow cyrillic(Edition::Cyrillic);
        QCOMPARE(Caption(cyrillic.Menu("N3")), Q("Телефон (S/ME 45)"));
        QVERIFY(cyrillic.Action("Zoom100")->isChecked());
        QVERIFY(!cyrillic.Action("ShowOriginal1")->isChecked());
    }

    // Eight files at most, newest first; a file that is gone stays, greyed; an item opens its
    // file; "Очистить список" empties the list for good.
    void RecentFiles() {
        QStringList flashes;
        {
            StartedWindow w(Edition::Cyrillic);
            for (int i = 0; i < 9; ++i) {
                flashes.prepend(PathOf(QStringLiteral("dump%1.bin").arg(i)));
                QVERIFY(QFile::copy(flash_, flashes.front()));
                Load(w, flashes.front());
            }
            Load(w, flashes[3]);
            flashes.move(3, 0);
            QCOMPARE(RecentCaptions(w), flashes.mid(0, 8));
        }
        QVERIFY(QFile::remove(flashes[1]));
        StartedWindow w(Edition::Cyrillic);
        ShowMenu(w, "RecentFiles1");
        QCOMPARE(RecentCaptions(w), flashes.mid(0, 8));
        QVERIFY(w.Action("RecentFile1")->isEnabled());
        QVERIFY(!w.Action("RecentFile2")->isEnabled());
        w.Action("RecentFile3")->trigger();
        QTRY_COMPARE(w.Find<QLabel>("LabelOffcet")->text(),
                     Q("Загружено из %1: 136 букв").arg(QFileInfo(flashes[2]).fileName()));
        QCOMPARE(RecentCaptions(w).front(), flashes[2]);
        w.Action("ClearRecentFiles1")->trigger();
        QTRY_VERIFY(RecentCaptions(w).isEmpty());
        QVERIFY(!w.Action("ClearRecentFiles1")->isEnabled());
        StartedWindow again(Edition::Cyrillic);
        QVERIFY(RecentCaptions(again).isEmpty());
    }
};

RUNEWRIGHT_UI_TEST(RememberedSettingsTest)
#include "remembered_settings_test.moc"
