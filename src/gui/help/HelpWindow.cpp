#include "gui/help/HelpWindow.h"

#include <QCursor>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "gui/help/HelpTopics.h"

namespace qhe {
namespace {

QString TopicHtml(int context) {
    const HelpTopic& topic = HelpTopicFor(context);
    QString html = QString("<h3>%1</h3><p>%2</p>")
                       .arg(QString::fromStdString(topic.title), QString::fromStdString(topic.body));
    if (HelpTopics().count(context) == 0 || context == 0) {
        html += "<ul>";
        for (const auto& [number, entry] : HelpTopics())
            if (number != 0)
                html += QString("<li><a href=\"topic:%1\">%2</a></li>")
                            .arg(number)
                            .arg(QString::fromStdString(entry.title));
        html += "</ul>";
    } else {
        html += HelpWindow::tr("<p><a href=\"topic:0\">目录</a></p>");
    }
    return html;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("QHE32 帮助"));
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == "topic") ShowTopic(url.path().toInt());
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    resize(480, 360);
}

void HelpWindow::ShowTopic(int context) {
    current_ = context;
    browser_->setHtml(TopicHtml(context));
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowPopup(int context, QWidget* over) {
    const HelpTopic& topic = HelpTopicFor(context);
    QWhatsThis::showText(QCursor::pos(),
                         QString("<b>%1</b><br>%2")
                             .arg(QString::fromStdString(topic.title), QString::fromStdString(topic.body)),
                         over);
}

} // namespace qhe
