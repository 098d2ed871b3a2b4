// The help viewer: a top-level window of its own (not owned by the main window, not modal) with a
// text browser whose pages, links and images are read from the compiled help file through chmlib.
#include "platform/help.h"
#include "platform/inspection.h"

#include <chm_lib.h>

#include <QAction>
#include <QDir>
#include <QHash>
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

// An open help file with its entries by case-folded path.
class ChmArchive {
  public:
    explicit ChmArchive(const QString& path) : file_(chm_open(QFile::encodeName(path).constData()))
    {
        if (file_ != nullptr)
            chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, Collect, this);
    }
    ~ChmArchive()
    {
        if (file_ != nullptr)
            chm_close(file_);
    }
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    const QStringList& Entries() const { return entries_; }

    // The stored path of this entry ("/" added in front when missing), or "" when it is not there.
    QString Find(const QString& entry) const
    {
        const QString path = entry.startsWith('/') ? entry : '/' + entry;
        return byFoldedPath_.value(path.toCaseFolded());
    }

    bool Read(const QString& entry, QByteArray& contents) const
    {
        const QString stored = Find(entry);
        chmUnitInfo unit{};
        if (stored.isEmpty() ||
            chm_resolve_object(file_, stored.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS)
            return false;
        contents.resize(static_cast<qsizetype>(unit.length));
        const LONGINT64 read =
            chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(contents.data()), 0,
                                static_cast<LONGINT64>(unit.length));
        return read == static_cast<LONGINT64>(unit.length);
    }

  private:
    static int Collect(chmFile*, chmUnitInfo* unit, void* context)
    {
        auto* self = static_cast<ChmArchive*>(context);
        const QString path = QString::fromUtf8(unit->path);
        // The compiler's own entries start with "/#" or "/$".
        if (path.size() > 1 && path[1] != '#' && path[1] != '$' && !path.endsWith('/')) {
            self->entries_.append(path);
            self->byFoldedPath_.insert(path.toCaseFolded(), path);
        }
        return CHM_ENUMERATOR_CONTINUE;
    }

    chmFile* file_;
    QStringList entries_;
    QHash<QString, QString> byFoldedPath_;
};

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
    void SetArchive(std::shared_ptr<ChmArchive> archive) { archive_ = std::move(archive); }

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.scheme() != UrlScheme || archive_ == nullptr)
            return QTextBrowser::loadResource(type, url);
        QByteArray contents;
        if (!archive_->Read(url.path(), contents))
            return {};
        if (type == QTextDocument::HtmlResource)
            return QString::fromUtf8(contents);
        return contents;
    }

  private:
    std::shared_ptr<ChmArchive> archive_;
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

    void Show(const std::shared_ptr<ChmArchive>& archive, const QString& storedPath)
    {
        browser_->SetArchive(archive);
        QUrl url;
        url.setScheme(UrlScheme);
        url.setPath(storedPath);
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
    auto archive = std::make_shared<ChmArchive>(path);
    if (!archive->IsOpen())
        return false;
    const QString stored = archive->Find(QString::fromStdString(topic));
    QByteArray page;
    if (stored.isEmpty() || !archive->Read(stored, page))
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

std::vector<std::string> HelpFileEntries(const std::string& chmPath)
{
    const ChmArchive archive(QString::fromStdString(chmPath));
    std::vector<std::string> entries;
    for (const QString& entry : archive.Entries())
        entries.push_back(entry.toStdString());
    return entries;
}

bool ReadHelpFileEntry(const std::string& chmPath, const std::string& entry, std::string& contents)
{
    const ChmArchive archive(QString::fromStdString(chmPath));
    QByteArray bytes;
    if (!archive.IsOpen() || !archive.Read(QString::fromStdString(entry), bytes))
        return false;
    contents = bytes.toStdString();
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
