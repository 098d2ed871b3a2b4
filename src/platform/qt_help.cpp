// The help viewer: a top-level window of its own (not owned by the main window, not modal) with a
// text browser whose pages, links and images are read from the compiled help file through chmlib.
#include "platform/help.h"
#include "platform/help_file.h"
#include "platform/inspection.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <utility>

namespace {

constexpr const char* UrlScheme = "chm";

// The file of this name in the working folder, found without regard to letter case; "" if none.
QString FindInWorkingFolder(const QString& name)
{
    const QDir folder = QDir::current();
    if (folder.exists(name))
        return folder.filePath(name);
    for (const QString& entry : folder.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return {};
}

class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
    void SetArchive(std::shared_ptr<HelpFile> archive) { archive_ = std::move(archive); }

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.scheme() != UrlScheme || archive_ == nullptr)
            return QTextBrowser::loadResource(type, url);
        std::string contents;
        if (!archive_->Read(url.path().toStdString(), contents))
            return {};
        if (type == QTextDocument::HtmlResource)
            return QString::fromStdString(contents);
        return QByteArray::fromStdString(contents);
    }

  private:
    std::shared_ptr<HelpFile> archive_;
};

class HelpWindow : public QWidget {
  public:
    HelpWindow() : browser_(new HelpBrowser(this))
    {
        setWindowTitle("Kastenzahl-Hilfe");
        auto* bar = new QToolBar(this);
        QAction* back = bar->addAction("Zurück", browser_, &QTextBrowser::backward);
        QAction* forward = bar->addAction("Vor", browser_, &QTextBrowser::forward);
        bar->addAction("Übersicht", browser_, &QTextBrowser::home);
        back->setEnabled(false);
        forward->setEnabled(false);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = browser_->documentTitle();
            setWindowTitle(title.isEmpty() ? "Kastenzahl-Hilfe" : "Kastenzahl-Hilfe – " + title);
        });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(bar);
        layout->addWidget(browser_);
        resize(760, 600);
    }

    void Show(const std::shared_ptr<HelpFile>& archive, const std::string& storedPath)
    {
        browser_->SetArchive(archive);
        QUrl url;
        url.setScheme(UrlScheme);
        url.setPath(QString::fromStdString(storedPath));
        browser_->setSource(url);
    }

    HelpBrowser* Browser() const { return browser_; }

  private:
    HelpBrowser* browser_;
};

QPointer<HelpWindow> Viewer;
int ViewersMade = 0;

} // namespace

bool ShowHtmlHelpTopic(const std::string& file, const std::string& topic)
{
    const QString path = FindInWorkingFolder(QString::fromStdString(file));
    if (path.isEmpty())
        return false;
    auto archive = std::make_shared<HelpFile>(QFile::encodeName(path).toStdString());
    if (!archive->IsOpen())
        return false;
    const std::string stored = archive->Find(topic);
    std::string page;
    if (stored.empty() || !archive->Read(stored, page))
        return false;
    if (Viewer == nullptr) {
        Viewer = new HelpWindow;
        Viewer->setAttribute(Qt::WA_DeleteOnClose);
        ++ViewersMade;
    }
    Viewer->Show(archive, stored);
    Viewer->show();
    Viewer->raise();
    Viewer->activateWindow();
    return true;
}

bool HelpViewerShown()
{
    return Viewer != nullptr && Viewer->isVisible();
}

std::string HelpViewerTitle()
{
    return Viewer == nullptr ? std::string() : Viewer->Browser()->documentTitle().toStdString();
}

std::string HelpViewerText()
{
    return Viewer == nullptr ? std::string() : Viewer->Browser()->toPlainText().toStdString();
}

int HelpViewersMade()
{
    return ViewersMade;
}

void CloseHelpViewer()
{
    delete Viewer.data();
}
