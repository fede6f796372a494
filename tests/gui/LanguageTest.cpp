#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "core/text/Messages.h"
#include "gui/DialogDriver.h"
#include "gui/FormMain.h"
#include "gui/LanguageQt.h"
#include "gui/compare/FormCompare.h"
#include "gui/help/HelpTopics.h"
#include "gui/print/DumpPrinting.h"
#include "gui/print/FormPreview.h"

namespace qhe {
namespace {

bool HasCjk(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// The accelerator letter of a text ("Save &As" gives 'a'), or none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size(); i = text.indexOf('&', i + 2))
        if (text[i + 1] != '&') return text[i + 1].toLower();
    return {};
}

// Switches the program's texts, its windows' and Qt's to a language, and back to Chinese after.
struct LanguageScope {
    explicit LanguageScope(UiLanguage language) {
        LoadProgramTexts(language);
        InstallApplicationTexts(language);
    }
    ~LanguageScope() {
        LoadProgramTexts(UiLanguage::Chinese);
        InstallApplicationTexts(UiLanguage::Chinese);
    }
};

// Collects every problem with the texts, so that one run lists them all.
struct TextAudit {
    UiLanguage language;
    QStringList problems;

    void Text(const QString& where, const QString& text) {
        if (text.trimmed().isEmpty())
            problems << where + ": empty";
        else if (language == UiLanguage::English && HasCjk(text))
            problems << where + ": not English: " + text;
    }

    void Mnemonics(const QString& where, const QStringList& texts) {
        QMap<QChar, QString> seen;
        for (const QString& text : texts) {
            const QChar letter = Mnemonic(text);
            if (letter.isNull() || letter.isDigit()) continue;
            // The two the Chinese design itself has; its texts stay as they are.
            static const QStringList kDesignPairs = {"再次向上查找(&U)|撤销替换(&U)",
                                                     "&Hex 字符串|十六进制(&H)"};
            if (seen.contains(letter) && kDesignPairs.contains(seen[letter] + "|" + text)) continue;
            if (seen.contains(letter))
                problems << where + ": &" + letter + " in \"" + seen[letter] + "\" and \"" + text + "\"";
            else
                seen[letter] = text;
        }
    }

    void Menu(const QString& path, const QList<QAction*>& actions) {
        QStringList texts;
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible()) continue;
            // The recent files are the user's names.
            if (action->objectName().startsWith("Reopen") && !action->menu()) continue;
            Text(path + "/" + action->objectName(), action->text());
            texts << action->text();
            if (QMenu* sub = action->menu()) Menu(path + "/" + action->text(), sub->actions());
        }
        Mnemonics(path, texts);
    }

    // Texts, accelerators per tab page (the dialog's own controls count on every page) and fit.
    void Window(QWidget* window) {
        const QString name = window->metaObject()->className();
        // Qt's own dialogs (file, print) are only checked for the language of their texts.
        const bool own = !name.startsWith('Q');
        Text(name + " caption", window->windowTitle());
        QMap<QWidget*, QStringList> pages; // nullptr: the window's own controls
        auto pageOf = [window](QWidget* w) -> QWidget* {
            for (QWidget* p = w; p && p != window; p = p->parentWidget())
                if (qobject_cast<QStackedWidget*>(p->parentWidget())) return p;
            return nullptr;
        };
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            QString text;
            int needed = 0;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                text = label->text();
                if (!label->wordWrap() && label->textFormat() != Qt::RichText)
                    needed = label->minimumSizeHint().width();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text = button->text();
                if (!text.isEmpty()) needed = button->sizeHint().width();
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                text = group->title();
                needed = group->fontMetrics().horizontalAdvance(text);
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Text(name + " tab", tabs->tabText(i));
                    pages[nullptr] << tabs->tabText(i);
                }
                continue;
            }
            if (!own || text.isEmpty() || Mnemonic(text).isNull()) {
                if (language == UiLanguage::English && HasCjk(text)) Text(name + "/" + w->objectName(), text);
            } else {
                Text(name + "/" + w->objectName(), text);
            }
            if (!own) continue;
            if (!text.isEmpty()) pages[pageOf(w)] << text;
            if (needed > w->width() + 1)
                problems << name + ": \"" + text + "\" cut off (" + QString::number(w->width()) + " < " +
                                QString::number(needed) + ")";
        }
        const QStringList common = pages.take(nullptr);
        if (pages.isEmpty()) Mnemonics(name, common);
        for (auto it = pages.begin(); it != pages.end(); ++it)
            Mnemonics(name + " page", common + it.value());
    }
};

// Every window a user reaches from the menus: each modal dialog a command opens is checked and
// cancelled, then the windows that stay open beside the editor.
void AuditEveryWindow(TextAudit& audit) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("a.bin"), std::vector<uint8_t>(4096, 'a'));
    test::WriteFileBytes(dir.File("b.bin"), std::vector<uint8_t>(4096, 'b'));
    TFormMain window({dir.File("a.bin")});
    window.show();
    WAIT_UNTIL(window.Commands().State().doc.IsOpen);
    window.Action("Blockall1")->trigger();
    audit.Menu("menu", window.menuBar()->actions());
    if (auto* context = window.findChild<QMenu*>("ContextMenu"))
        audit.Menu("context menu", context->actions());
    for (QToolBar* bar : window.findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (!action->isSeparator()) audit.Text("tool button " + action->objectName(), action->toolTip());
    QStringList seen;
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        seen << modal->metaObject()->className();
        audit.Window(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    dismiss.start(5);
    for (const char* command : {"Insert1",
                                "Overwritestring1",
                                "Blocknchars1",
                                "Find1",
                                "Count1",
                                "Replace1",
                                "Charconversion1",
                                "Goto1",
                                "Jumpwidth1",
                                "Decode1",
                                "Encode1",
                                "Bitmanipulation1",
                                "CalculateCRC321",
                                "Hashes1",
                                "Add1",
                                "Options1",
                                "Info1",
                                "Print1",
                                "SaveAs1",
                                "Comparefiles1",
                                "Contents1"}) {
        QAction* action = window.Action(command);
        if (!action) {
            audit.problems << QString("no command ") + command;
            continue;
        }
        action->trigger();
    }
    dismiss.stop();
    for (const char* dialog : {"TFormIns", "TFormFind", "TFormReplace", "TFormCharTable", "TFormNumberEntry",
                               "TFormEncode", "TFormBit", "TFormHash", "TFormOpt", "TFormPrint"})
        if (!seen.join(' ').contains(dialog)) audit.problems << QString("never shown: ") + dialog;

    window.Action("Editor1")->trigger();
    window.Action("DataInspector1")->trigger();
    std::string error;
    window.Commands().Compare().show(CompareSession::OfFiles(dir.File("a.bin"), dir.File("b.bin"),
                                                             window.Commands().Compare().Options(), error));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("p.pdf")));
    std::vector<uint8_t> data(256, 'q');
    std::unique_ptr<TFormPreview> preview;
    MakeDumpPreview(printer, {}, "a.bin", data.data(), {1, 256}, {16, false, false}, nullptr, preview);
    if (preview) preview->show();
    QApplication::processEvents();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &window && !qobject_cast<QMenu*>(top)) audit.Window(top);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &window && top->isVisible()) top->close();
}

void AuditLanguage(UiLanguage language) {
    LanguageScope scope(language);
    TextAudit audit{language, {}};
    for (int id = 0; id < 3000; ++id) {
        LoadProgramTexts(UiLanguage::Chinese);
        const bool hasText = !Msg(id).empty();
        LoadProgramTexts(language);
        if (hasText) audit.Text("message " + QString::number(id), QString::fromStdString(Msg(id)));
    }
    for (const auto& [context, topic] : HelpTopics()) {
        audit.Text("help title " + QString::number(context), QString::fromStdString(topic.title));
        audit.Text("help " + QString::number(context), QString::fromStdString(topic.body));
    }
    AuditEveryWindow(audit);
    EXPECT_EQ(Msg(2048), language == UiLanguage::English ? "Find" : "查找");
    EXPECT_TRUE(audit.problems.isEmpty()) << audit.problems.join('\n').toStdString();
}

TEST(Language, EveryTextIsThereInChinese) {
    AuditLanguage(UiLanguage::Chinese);
}

TEST(Language, EveryTextIsThereInEnglishAndOnlyInEnglish) {
    AuditLanguage(UiLanguage::English);
    // Once the language is back, the texts are the design's again.
    EXPECT_EQ(Msg(2048), "查找");
}

// The translation file is complete and current: lupdate finds nothing new, unfinished or gone,
// and each English text keeps its source's placeholders and accelerator.
TEST(Language, TranslationFileIsCompleteAndCurrent) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("qhe32_en.ts");
    ASSERT_TRUE(QFile::copy(QHE32_TS_FILE, copy));
    QProcess lupdate;
    QStringList arguments = QString(QHE32_LUPDATE_OPTIONS).split(' ');
    arguments << "-target-language"
              << "en" << QHE32_SOURCE_DIR << "-ts" << copy;
    lupdate.start(QHE32_LUPDATE, arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    const QString report = lupdate.readAllStandardOutput() + lupdate.readAllStandardError();
    EXPECT_TRUE(report.contains("(0 new and")) << report.toStdString();

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    static const QRegularExpression placeholder("%(\\.0n|2\\.2x|[sdx%]|[1-9])");
    auto placeholders = [](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        return found;
    };
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value("type").toString();
            const QString text = xml.readElementText();
            ++messages;
            EXPECT_TRUE(type.isEmpty()) << type.toStdString() << ": " << source.toStdString();
            EXPECT_FALSE(text.isEmpty() || HasCjk(text))
                << source.toStdString() << " -> " << text.toStdString();
            EXPECT_EQ(placeholders(text), placeholders(source)) << source.toStdString();
            if (!Mnemonic(source).isNull()) {
                EXPECT_FALSE(Mnemonic(text).isNull()) << source.toStdString();
            }
        }
    }
    EXPECT_GT(messages, 500);
}

} // namespace
} // namespace qhe
