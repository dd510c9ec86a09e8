#include "app/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "app/app_context.h"
#include "app/screen_setup.h"

namespace tovaris::gui {

namespace {

// Built in from docs/user-guide.md with its pictures.
constexpr const char* kGuide = "qrc:/help/user-guide.md";
constexpr int kPictureWidth = 640;

// A heading's link name as Markdown writers spell it: "Child support results" ->
// "child-support-results".
QString Slug(const QString& heading) {
    QString slug;
    for (QChar c : heading.toLower()) {
        if (c.isLetterOrNumber()) {
            slug += c;
        } else if (c == ' ' || c == '-') {
            slug += '-';
        }
    }
    return slug;
}

QTextBlock HeadingBlock(const QTextDocument& document, const QString& title) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 &&
            (block.text().compare(title, Qt::CaseInsensitive) == 0 ||
             Slug(block.text()) == title)) {
            return block;
        }
    }
    return {};
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("HelpWindow");
    setWindowTitle("Tovaris Help - User Guide");
    contents_ = new QTreeWidget(this);
    contents_->setObjectName("HelpContents");
    contents_->setHeaderHidden(true);
    text_ = new QTextBrowser(this);
    text_->setObjectName("HelpText");
    text_->setOpenLinks(false);
    text_->setSource(QUrl(kGuide), QTextDocument::MarkdownResource);
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    FitPictures();

    auto* split = new QSplitter(this);
    split->addWidget(contents_);
    split->addWidget(text_);
    split->setStretchFactor(1, 3);
    split->setSizes({260, 740});
    setCentralWidget(split);

    QToolBar* bar = addToolBar("Help");
    bar->setMovable(false);
    QAction* back = bar->addAction("Back", text_, &QTextBrowser::backward);
    back->setObjectName("HelpBack");
    connect(text_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    back->setEnabled(false);
    QAction* start = bar->addAction("Contents", this, &HelpWindow::ShowContents);
    start->setObjectName("HelpStart");

    FillContents();
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->text(0)); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->text(0)); });
    resize(1000, 720);
}

// Screen pictures wider than the text are shown smaller, keeping their proportions.
void HelpWindow::FitPictures() {
    QTextDocument& document = *text_->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            QTextFragment fragment = part.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid()) {
                continue;
            }
            const QImage image =
                document.resource(QTextDocument::ImageResource, QUrl(picture.name()))
                    .value<QImage>();
            if (image.width() <= kPictureWidth) {
                continue;
            }
            picture.setWidth(kPictureWidth);
            picture.setHeight(double(image.height()) * kPictureWidth / image.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

// Headings nest by level: the guide's title at the root, its parts and their sections below.
void HelpWindow::FillContents() {
    std::vector<std::pair<int, QTreeWidgetItem*>> open;  // level, item
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        int level = block.blockFormat().headingLevel();
        if (level == 0) {
            continue;
        }
        while (!open.empty() && open.back().first >= level) {
            open.pop_back();
        }
        auto* item =
            open.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(open.back().second);
        item->setText(0, block.text());
        open.emplace_back(level, item);
    }
    contents_->expandToDepth(1);
}

void HelpWindow::ShowStart() {
    text_->verticalScrollBar()->setValue(0);
    text_->setFocus();
}

void HelpWindow::ShowContents() {
    ShowStart();
    contents_->setFocus();
    contents_->setCurrentItem(contents_->topLevelItem(0));
}

QStringList HelpWindow::topics() const {
    QStringList titles;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0) {
            titles << block.text();
        }
    }
    return titles;
}

bool HelpWindow::ShowTopic(const QString& title) {
    QTextBlock block = HeadingBlock(*text_->document(), title);
    if (!block.isValid()) {
        return false;
    }
    QTextCursor at(block);
    text_->setTextCursor(at);
    const QRectF place = text_->document()->documentLayout()->blockBoundingRect(block);
    text_->verticalScrollBar()->setValue(int(place.top()));
    return true;
}

// Links inside the guide go to its headings; web addresses open in the browser.
void HelpWindow::FollowLink(const QUrl& link) {
    if (link.scheme() == "http" || link.scheme() == "https") {
        QDesktopServices::openUrl(link);
        return;
    }
    if (link.hasFragment()) {
        ShowTopic(link.fragment());
    }
}

HelpWindow& ShowHelp(AppContext& context, const QString& topic) {
    static QPointer<HelpWindow> window;
    if (window == nullptr) {
        window = new HelpWindow;
        SetUpScreen(*window, context.preferences, context.scale.monAdj);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (topic.isEmpty() || !window->ShowTopic(topic)) {
        window->ShowStart();
    }
    return *window;
}

}  // namespace tovaris::gui
