#include "interface_language.h"
#include "channel_codec.h"
#include "data_file.h"
#include "main_window_fixture.h"
#include "file_commands.h"
#include "exchange_commands.h"
#include "mdi_form_main.h"
#include "memory_map.h"
#include "shared_state.h"
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form_compare.h"
#include "form_model_information.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace t40;
using test::Fixture;

namespace {
QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

RadioImage Pattern()
{
    RadioImage image;
    for (int i = 0; i < RadioImage::ImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 13 + 1));
    return image;
}

// What the image holds once the channel grid has shown it: channels it
// shows as empty leave the scan list.
RadioImage AsShown(RadioImage image)
{
    for (int c = 1; c <= ChannelsPerGroup; ++c)
        if (!ReceivePresent(image, c, State().DecimalSeparator))
            WriteScanBit(image, c, false);
    return image;
}

bool SameImage(const RadioImage& a, const RadioImage& b)
{
    return std::equal(a.image().begin(), a.image().end(), b.image().begin());
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void openGoodFile()
    {
        Fixture f;
        const QString path = f.env.tempPath("radio.rdat");
        WriteBytes(path, BuildDataFile(Pattern()));
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuOpen_Click();
        QVERIFY(SameImage(AppDocument().memory(), AsShown(Pattern())));
        QCOMPARE(f.env.prompts().fileDialogs.at(0).title, QStringLiteral("Open"));
        QCOMPARE(f.env.prompts().messages.size(), size_t(1)); // the overwrite question
        QCOMPARE(f.env.prompts().messages[0].text, QStringLiteral("Do you want to cover current data?"));
        QCOMPARE(f.env.prompts().messages[0].buttons, BoxButtons::OkCancel);
        QCOMPARE(f.main.currentFilePath(), path);
        f.main.Timer1_Timer();
        QCOMPARE(f.main.windowTitle(), QStringLiteral("T40[UHF: 400 - 520 MHz] [FileName:radio.rdat[*]]"));
        // The band is not re-derived from an opened file.
        QCOMPARE(AppDocument().band().lowMHz, 400);
    }

    void rejectedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QByteArray wrong = BuildDataFile(Pattern());
        wrong[5] = '1';
        QTest::newRow("sixth byte differs") << wrong << true << "Error file！" << "Error";
        QTest::newRow("Chinese") << wrong << false << "错误的文件！" << "错误";
        QTest::newRow("short") << BuildDataFile(Pattern()).left(1039) << true << "Error file！" << "Error";
        QTest::newRow("empty") << QByteArray() << true << "Error file！" << "Error";
    }
    void rejectedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, english);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Fixture f;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        const RadioImage before = AppDocument().memory();
        const QString path = f.env.tempPath("bad.rdat");
        WriteBytes(path, bytes);
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuOpen_Click();
        QVERIFY(before == AppDocument().memory());
        QCOMPARE(f.env.prompts().messages.size(), size_t(2));
        QCOMPARE(f.env.prompts().messages[1].text, text);
        QCOMPARE(f.env.prompts().messages[1].caption, caption);
        QCOMPARE(f.env.prompts().messages[1].icon, BoxIcon::Error);
        // The rejected file does not become the target of Save.
        QVERIFY(f.main.currentFilePath().isEmpty());
        QCOMPARE(AppDocument().title(), QStringLiteral("new.rdat"));
    }

    void unreadableFileIsNamed()
    {
        Fixture f;
        const RadioImage before = AppDocument().memory();
        const QString path = f.env.tempPath("gone.rdat");
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuOpen_Click();
        QVERIFY(before == AppDocument().memory());
        QCOMPARE(f.env.prompts().messages.size(), size_t(2));
        QVERIFY(f.env.prompts().messages[1].text.contains(path));
    }

    void cancelledOrDeclinedOpenChangesNothing()
    {
        Fixture f;
        const QString path = f.env.tempPath("radio.rdat");
        WriteBytes(path, BuildDataFile(Pattern()));
        const RadioImage before = AppDocument().memory();
        f.main.files().MenuOpen_Click(); // dialog cancelled
        QVERIFY(f.env.prompts().messages.empty());
        f.env.prompts().paths.push_back(path);
        f.env.prompts().answers.push_back(BoxAnswer::Cancel);
        f.main.files().MenuOpen_Click(); // question declined
        QVERIFY(before == AppDocument().memory());
        QVERIFY(f.main.currentFilePath().isEmpty());
        QCOMPARE(AppDocument().title(), QStringLiteral("new.rdat"));
    }

    void saveWithoutPathAndCancelledWritesNothing()
    {
        Fixture f;
        f.main.files().MenuSave_Click();
        QCOMPARE(f.env.prompts().fileDialogs.size(), size_t(1));
        QCOMPARE(f.env.prompts().fileDialogs[0].title, QStringLiteral("Save"));
        QCOMPARE(f.env.prompts().fileDialogs[0].defaultName, QStringLiteral("new.rdat"));
        QVERIFY(!f.env.prompts().fileDialogs[0].open);
        QVERIFY(f.main.currentFilePath().isEmpty());
        QVERIFY(f.env.prompts().messages.empty());
    }

    // Every file dialog's title speaks the interface language.
    void saveTitlesFollowLanguage()
    {
        Fixture f;
        f.main.Toolbar1_ButtonClick(QStringLiteral("保存"));
        f.main.files().MenuSaveAs_Click();
        SetInterfaceLanguage(QLocale::Chinese);
        f.main.Toolbar1_ButtonClick(QStringLiteral("保存"));
        f.main.files().MenuSave_Click();
        f.main.files().MenuSaveAs_Click();
        QStringList titles;
        for (const auto& dialog : f.env.prompts().fileDialogs)
            titles << dialog.title;
        QCOMPARE(titles, (QStringList { "Save", "Save As", "保存", "保存", "另存为" }));
    }

    // Free bytes travel through a save unchanged; after New the data belongs
    // to no file, so Save asks for a name and the saved file stays as it was.
    void saveNewSaveRoundTrip()
    {
        Fixture f;
        {
            RadioImage pattern;
            pattern.replaceImage(Pattern().image());
            AppDocument().replaceImage(pattern, true);
        }
        const QString path = f.env.tempPath("saved.rdat");
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuSave_Click();
        QCOMPARE(FileBytes(path), BuildDataFile(Pattern()));
        QCOMPARE(AppDocument().title(), QStringLiteral("saved.rdat"));

        f.main.files().MenuNew_Click();
        QCOMPARE(AppDocument().memory().byte(MemoryMap::ModelBlock), std::uint8_t(0x50)); // template again
        QCOMPARE(AppDocument().title(), QStringLiteral("new.rdat"));
        QVERIFY(f.main.currentFilePath().isEmpty());
        QVERIFY(f.main.titleText().endsWith(QStringLiteral("[FileName:new.rdat]")));
        f.main.files().MenuSave_Click(); // cancelled
        QCOMPARE(f.env.prompts().fileDialogs.size(), size_t(2));
        QCOMPARE(f.env.prompts().fileDialogs[1].defaultName, QStringLiteral("new.rdat"));
        QCOMPARE(FileBytes(path), BuildDataFile(Pattern()));
    }

    // Open takes the band from the file's model block, as a read does.
    void openTakesTheFilesBand()
    {
        Fixture f;
        RadioImage vhf = AppDocument().memory();
        vhf.setByte(MemoryMap::ModelFamily, 50);
        vhf.setByte(MemoryMap::ModelBandCode, 1);
        const QString path = f.env.tempPath("vhf.rdat");
        WriteBytes(path, BuildDataFile(vhf));
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuOpen_Click();
        QCOMPARE(f.main.titleText(), QStringLiteral("T40[VHF: 136 - 174 MHz] [FileName:vhf.rdat]"));
        QCOMPARE(AppDocument().band().lowMHz, 136);
        QCOMPARE(AppDocument().band().effectiveHighMHz, 174);
    }

    void saveOntoLongerFile()
    {
        Fixture f;
        const QString path = f.env.tempPath("long.rdat");
        WriteBytes(path, QByteArray(4000, 'q'));
        f.env.prompts().paths.push_back(path);
        f.main.files().MenuSaveAs_Click();
        QCOMPARE(f.env.prompts().fileDialogs[0].title, QStringLiteral("Save As"));
        QCOMPARE(f.env.prompts().fileDialogs[0].defaultName, QString());
        const QByteArray bytes = FileBytes(path);
        QCOMPARE(bytes.size(), 4000);
        QCOMPARE(bytes.left(1040), BuildDataFile(AppDocument().memory()));
        QCOMPARE(bytes.mid(1040), QByteArray(2960, 'q'));
    }

    void saveAsCancelledOrFailedKeepsPath()
    {
        Fixture f;
        const QString first = f.env.tempPath("first.rdat");
        f.env.prompts().paths.push_back(first);
        f.main.files().MenuSave_Click();
        QCOMPARE(f.main.currentFilePath(), first);
        f.main.files().MenuSaveAs_Click(); // cancelled
        QCOMPARE(f.main.currentFilePath(), first);
        const QString unwritable = f.env.tempPath("no/such/dir/x.rdat");
        f.env.prompts().paths.push_back(unwritable);
        f.main.files().MenuSaveAs_Click();
        QCOMPARE(f.env.prompts().messages.size(), size_t(1));
        QVERIFY(f.env.prompts().messages[0].text.contains(unwritable));
        QCOMPARE(f.env.prompts().messages[0].icon, BoxIcon::Error);
        QCOMPARE(f.main.currentFilePath(), first);
        QCOMPARE(AppDocument().title(), QStringLiteral("first.rdat"));
    }

    // A write-protected file stays as it is; the program offers Save As, which takes the data elsewhere.
    void readOnlyFileOffersSaveAs()
    {
        Fixture f;
        const QString first = f.env.tempPath("first.rdat");
        f.env.prompts().paths.push_back(first);
        f.main.files().MenuSave_Click();
        QVERIFY(QFile::setPermissions(first, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QByteArray before = [&] { QFile r(first); return r.open(QIODevice::ReadOnly) ? r.readAll() : QByteArray(); }();
        AppDocument().setByte(308, 5);
        const QString second = f.env.tempPath("second.rdat");
        f.env.prompts().answers.push_back(BoxAnswer::Ok);
        f.env.prompts().paths.push_back(second);
        f.main.files().MenuSave_Click();
        QCOMPARE(f.env.prompts().messages.size(), size_t(1));
        QVERIFY(f.env.prompts().messages[0].text.contains(first) && f.env.prompts().messages[0].text.contains("read-only"));
        QFile r(first);
        QVERIFY(r.open(QIODevice::ReadOnly));
        QCOMPARE(r.readAll(), before);
        QCOMPARE(f.main.currentFilePath(), second);
        QVERIFY(!AppDocument().isModified());
        RadioImage saved;
        QCOMPARE(LoadDataFile(second, saved), DataFileStatus::Ok);
        QCOMPARE(saved.byte(308), std::uint8_t(5));
    }

    // The model dialog, driven as a user would, reloads the template and
    // writes the band bytes.
    void modelChange_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("familyByte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::newRow("420-470") << 1 << 7 << int(BoxAnswer::Ok) << 51 << 147 << "T40[UHF: 420 - 470 MHz]";
        QTest::newRow("400-470") << 1 << 8 << int(BoxAnswer::Ok) << 51 << 19 << "T40[UHF: 400 - 470 MHz]";
        QTest::newRow("VHF") << 0 << 0 << int(BoxAnswer::Ok) << 50 << 1 << "T40[VHF: 136 - 174 MHz]";
        QTest::newRow("declined") << 1 << 7 << int(BoxAnswer::Cancel) << 51 << 0x73 << "T40[UHF: 400 - 520 MHz]";
        QTest::newRow("same band") << 1 << 5 << int(BoxAnswer::Ok) << 51 << 0x73 << "T40[UHF: 400 - 520 MHz]";
    }
    void modelChange()
    {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(int, answer);
        QFETCH(int, familyByte);
        QFETCH(int, code);
        QFETCH(QString, title);
        Fixture f;
        {
            // Data as loaded (no save question), which a confirmed change replaces.
            const RadioDocument::Unrecorded loaded(AppDocument());
            AppDocument().setByte(20, 0x44);
        }
        f.env.prompts().answers.push_back(static_cast<BoxAnswer>(answer));
        QTimer::singleShot(0, [family, position] {
            auto* dialog = qobject_cast<FormModelInformation*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->ComboModel->setCurrentIndex(family);
            dialog->ComboModel_Click();
            dialog->ComboArea->setCurrentIndex(position);
            dialog->CommandOK->click();
        });
        f.main.files().MenuModelInformation_Click();
        QCOMPARE(int(AppDocument().memory().byte(MemoryMap::ModelFamily)), familyByte);
        QCOMPARE(int(AppDocument().memory().byte(MemoryMap::ModelBandCode)), code);
        const bool changed = QString::fromLatin1(QTest::currentDataTag()) != QLatin1String("declined")
            && QString::fromLatin1(QTest::currentDataTag()) != QLatin1String("same band");
        QCOMPARE(AppDocument().memory().byte(20), std::uint8_t(changed ? 0xFF : 0x44));
        QCOMPARE(f.env.prompts().messages.size(), size_t(QTest::currentDataTag() == QByteArray("same band") ? 0 : 1));
        f.main.Timer1_Timer();
        QVERIFY2(f.main.windowTitle().startsWith(title), qPrintable(f.main.windowTitle()));
    }

    // File > Compare With...: the open data against a file, in the dialog's language; a bad file gets the open's message.
    void compareWith_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QByteArray>("file"); // empty: the open data as saved
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("lines");
        QTest::newRow("same") << true << QByteArray() << "Compare new.rdat With other.rdat"
                              << "No differences: new.rdat and other.rdat hold the same data." << "";
        QTest::newRow("differ, Chinese") << false << QByteArray("squelch") << QString::fromUtf8("比较 new.rdat 与 other.rdat")
                                         << QString::fromUtf8("共 1 处差异，格式为 new.rdat -> other.rdat：")
                                         << QString::fromUtf8("静噪等级: 3 -> 5");
        QTest::newRow("not a data file") << true << QByteArray("ZEVT41") << "" << "Error file！" << "";
    }
    void compareWith()
    {
        QFETCH(bool, english);
        QFETCH(QByteArray, file);
        QFETCH(QString, title);
        QFETCH(QString, summary);
        QFETCH(QString, lines);
        Fixture f;
        SetInterfaceLanguage(english ? QLocale::English : QLocale::Chinese);
        AppDocument().setValue(FieldId::SquelchLevel, 3);
        RadioImage other = AppDocument().memory();
        if (file == "squelch")
            other.setByte(MemoryMap::SquelchLevel, 5);
        const QString path = f.env.tempPath("other.rdat");
        WriteBytes(path, file.startsWith("ZEVT") ? file : BuildDataFile(other));
        f.env.prompts().paths.push_back(path);
        QString shown[3];
        if (!title.isEmpty())
            QTimer::singleShot(0, [&shown] {
                auto* dialog = qobject_cast<FormCompare*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                shown[0] = dialog->windowTitle();
                shown[1] = dialog->LabelSummary->text().section(QLatin1Char('\n'), 0, 0);
                shown[2] = dialog->TextDifferences->toPlainText();
                dialog->CommandClose->click();
            });
        f.main.exchange().MenuCompare_Click();
        if (title.isEmpty()) {
            QCOMPARE(f.env.prompts().messages.size(), size_t(1));
            QCOMPARE(f.env.prompts().messages[0].text, summary);
            return;
        }
        QCOMPARE(shown[0], title);
        QCOMPARE(shown[1], summary);
        QCOMPARE(shown[2], lines);
        QVERIFY(f.env.prompts().messages.empty());
    }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
