// Files that arrive outside the dialogs, dropped on the window or named on the command line,
// open by their kind: a fullflash and a font file load, a PNG sheet and a patch are imported.
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "ui/app_look.h"
#include "ui_test_registry.h"
#include "window_test_support.h"

using namespace rw;
using namespace rw::ui;
using namespace rw::ui::test;

namespace {

QString HexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

// Files dragged from a file manager: their addresses as file URLs.
std::unique_ptr<QMimeData> DraggedFiles(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Drags `paths` over the window and drops them; true when the window took the drag.
bool Drop(const Window& w, const QStringList& paths) {
    const std::unique_ptr<QMimeData> data = DraggedFiles(paths);
    const QPoint at = w.form->ClientArea()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.form.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.form.get(), &drop);
    return drop.isAccepted();
}

QString UndoCaptionOf(const Window& w) {
    return Caption(w.Action("EditUndo"));
}

}  // namespace

class DropOpenTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString flash_;
    QString patch_;
    QByteArray dump_;

    QString PathOf(const char* name) const { return dir_.filePath(QLatin1String(name)); }

  private slots:
    void initTestCase() {
        ApplyClassicLook(*qApp);
        dump_ = PatternImage(kImageSize);
        flash_ = PathOf("s45.bin");
        QVERIFY(WriteAll(flash_, dump_));
        // Rows 1 and 2 of А redrawn.
        patch_ = PathOf("friend.vkp");
        const QString text =
            QStringLiteral("0B5627: %1 7C44\r\n").arg(HexOf(dump_.mid(kRecordA + 1, 2)));
        QVERIFY(WriteAll(patch_, text.toLatin1()));
    }

    // A patch dropped after a fullflash was loaded goes into that fullflash's font, as "Импорт
    // из патча" puts it there; the fullflash on disk stays as it was.
    void ADroppedPatchImports() {
        Window w(Edition::Cyrillic);
        w.dialogs->open_answers.push_back(flash_);
        w.Action("N2")->trigger();
        QVERIFY(Drop(w, {patch_}));
        QTRY_COMPARE(UndoCaptionOf(w), Q("Отменить: Импорт из патча (.vkp)..."));
        QCOMPARE(w.dialogs->open_requests.size(), size_t{1});  // only the fullflash's load
        QCOMPARE(w.form->editor().font().narrow[0][0][1], uint8_t{0x7C});
        QCOMPARE(w.form->editor().font().narrow[0][0][2], uint8_t{0x44});
        QCOMPARE(w.dialogs->errors, QStringList());
        QCOMPARE(ReadAll(flash_), dump_);
        // The patch dialog offers the patch next.
        w.Action("ImportPatch1")->trigger();
        QCOMPARE(w.dialogs->open_requests.back().suggested_path, patch_);
    }

    // With no fullflash yet, the fullflash dialog asks which one, as the menu item does; the
    // command line takes the same way.
    void WithoutAFullflashTheDialogAsksForOne() {
        {
            Window w(Edition::Cyrillic);
            w.dialogs->open_answers.push_back(flash_);
            QVERIFY(Drop(w, {patch_}));
            QTRY_COMPARE(UndoCaptionOf(w), Q("Отменить: Импорт из патча (.vkp)..."));
            QCOMPARE(w.dialogs->open_requests.size(), size_t{1});
            QCOMPARE(w.dialogs->open_requests[0].title, Q("Загрузка из файла fullflash..."));
        }
        Window w(Edition::Cyrillic);
        w.form->OpenGivenFile(patch_.toStdString());
        QCOMPARE(w.dialogs->open_requests.size(), size_t{1});  // cancelled
        QCOMPARE(w.dialogs->errors, QStringList());
        QVERIFY(!w.Action("EditUndo")->isEnabled());
    }

    // A fullflash and a font file load as their menu items load them, a PNG sheet is imported.
    void EveryKindOpensByWhatItIs() {
        Window w(Edition::Cyrillic);
        QVERIFY(Drop(w, {flash_}));
        QTRY_COMPARE(UndoCaptionOf(w), Q("Отменить: Загрузить шрифт из fullflash"));
        const QString sft = PathOf("s45.sft");
        w.dialogs->save_answers.push_back(sft);
        w.Action("N39")->trigger();
        const QString sheet = PathOf("s45.png");
        w.dialogs->save_answers.push_back(sheet);
        w.Action("ExportPng1")->trigger();
        QCOMPARE(w.dialogs->errors, QStringList());

        Window other(Edition::Cyrillic);
        QVERIFY(Drop(other, {sft}));
        QTRY_COMPARE(UndoCaptionOf(other), Q("Отменить: Загрузить шрифт из файла"));
        QVERIFY(Drop(other, {sheet}));
        QTRY_COMPARE(UndoCaptionOf(other), Q("Отменить: Импорт из PNG..."));
        QCOMPARE(other.Find<QLabel>("LabelOffcet")->text(), Q("Загружено из s45.png: 136 букв"));
        QVERIFY(other.dialogs->open_requests.empty());
        QCOMPARE(other.dialogs->errors, QStringList());
    }

    // A file that is none of them gets the error box naming it; a drag without a file is not
    // taken at all.
    void WhatCannotOpen() {
        Window w(Edition::Cyrillic);
        const QString note = PathOf("note.txt");
        QVERIFY(WriteAll(note, "hello"));
        QVERIFY(Drop(w, {note}));
        QTRY_COMPARE(w.dialogs->errors.size(), 1);
        QVERIFY(w.dialogs->errors[0].contains(note));
        auto text = std::make_unique<QMimeData>();
        text->setText(QStringLiteral("s45.bin"));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, text.get(), Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }
};

RUNEWRIGHT_UI_TEST(DropOpenTest)
#include "drop_open_test.moc"
