#include "HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <algorithm>

namespace {

QString PlainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QStringList Words(const QString& query) {
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    return query.toLower().split(separators, Qt::SkipEmptyParts);
}

bool ByTitle(const CHelpLibrary::Entry& a, const CHelpLibrary::Entry& b) {
    return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
}

}  // namespace

CHelpLibrary::CHelpLibrary(const QString& folder) {
    static const QRegularExpression heading(
        QStringLiteral("<h2(?:\\s+id=\"([^\"]*)\")?[^>]*>(.*?)</h2>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QDir dir(folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile in(dir.filePath(file));
        if (!in.open(QIODevice::ReadOnly)) continue;
        const QString html = QString::fromUtf8(in.readAll());
        QTextDocument document;
        document.setHtml(html);
        Page page;
        page.name = file.chopped(5);
        page.title = document.metaInformation(QTextDocument::DocumentTitle);
        // Every page title ends in the name of the help; the lists show the topic alone.
        page.title.remove(QRegularExpression(QStringLiteral("\\s+-\\s+Thermavo Help$")));
        if (page.title.isEmpty()) page.title = page.name;
        page.text = document.toPlainText().toLower();
        for (const auto& match : heading.globalMatch(html)) {
            const QString anchor = match.captured(1);
            page.sections.push_back({PlainText(match.captured(2)) + " - " + page.title,
                                     anchor.isEmpty() ? page.name : page.name + '#' + anchor});
        }
        m_pages.push_back(std::move(page));
    }
}

std::vector<CHelpLibrary::Entry> CHelpLibrary::Index() const {
    std::vector<Entry> entries;
    for (const Page& page : m_pages) {
        entries.push_back({page.title, page.name});
        entries.insert(entries.end(), page.sections.begin(), page.sections.end());
    }
    std::stable_sort(entries.begin(), entries.end(), ByTitle);
    return entries;
}

std::vector<CHelpLibrary::Entry> CHelpLibrary::Search(const QString& query) const {
    const QStringList words = Words(query);
    if (words.isEmpty()) return {};
    std::vector<std::pair<qsizetype, Entry>> found;
    for (const Page& page : m_pages) {
        qsizetype hits = 0;
        for (const QString& word : words) {
            const qsizetype count = page.text.count(word);
            if (count == 0) {
                hits = 0;
                break;
            }
            hits += count;
        }
        if (hits > 0) found.push_back({hits, {page.title, page.name}});
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : ByTitle(a.second, b.second);
    });
    std::vector<Entry> entries;
    for (auto& hit : found) entries.push_back(std::move(hit.second));
    return entries;
}

QPointer<CHelpWindow> CHelpWindow::s_instance;

CHelpWindow* CHelpWindow::Instance() { return s_instance.data(); }

void CHelpWindow::CloseInstance() { delete s_instance.data(); }

CHelpWindow* CHelpWindow::Show(const QUrl& url) {
    if (!s_instance) s_instance = new CHelpWindow;
    CHelpWindow* window = s_instance.data();
    window->FollowModalDialog();
    // Shown first: the anchor's place depends on the width the page is laid out in.
    window->show();
    window->Navigate(url);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    return window;
}

CHelpWindow::CHelpWindow() : m_library(QFileInfo(HelpTopicPath(kHelpIndex)).path()) {
    // The help stays open beside the program but never keeps it running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);

    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_list = new QListWidget(this);
    // Long section titles wrap rather than hide their page behind a scroll bar.
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSpacing(1);
    m_listTitle = new QLabel(this);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(4, 4, 0, 4);
    sideLayout->addWidget(m_listTitle);
    sideLayout->addWidget(m_list);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 660});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"),
                            m_browser, &QTextBrowser::backward);
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                               QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    m_forward->setShortcut(QKeySequence::Forward);
    m_home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Home"),
                            this, [this] { Navigate(HelpTopicUrl(kHelpIndex)); });
    m_index = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogListView),
                             QStringLiteral("Index"), this, [this] {
                                 m_search->clear();
                                 ShowIndex();
                             });
    bar->addSeparator();
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Search"));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(240);
    bar->addWidget(m_search);
    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    m_openInBrowser = bar->addAction(QStringLiteral("Open in Browser"), this,
                                     [this] { OpenHelpInBrowser(this, m_browser->source()); });
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
    connect(m_search, &QLineEdit::textChanged, this, &CHelpWindow::RunSearch);
    connect(m_list, &QListWidget::itemActivated, this, &CHelpWindow::Activate);
    connect(m_list, &QListWidget::itemClicked, this, &CHelpWindow::Activate);

    ShowIndex();
    resize(920, 660);
}

void CHelpWindow::ShowIndex() {
    m_lastQuery.clear();
    m_listTitle->setText(QStringLiteral("<b>Index</b>"));
    m_list->clear();
    for (const CHelpLibrary::Entry& entry : m_library.Index()) {
        auto* item = new QListWidgetItem(entry.title, m_list);
        item->setData(Qt::UserRole, entry.topic);
    }
}

void CHelpWindow::RunSearch(const QString& query) {
    if (Words(query).isEmpty()) {
        ShowIndex();
        return;
    }
    m_lastQuery = query;
    const std::vector<CHelpLibrary::Entry> found = m_library.Search(query);
    m_listTitle->setText(found.empty()
                             ? QStringLiteral("<b>No topic contains these words</b>")
                             : QStringLiteral("<b>Topics found: %1</b>").arg(found.size()));
    m_list->clear();
    for (const CHelpLibrary::Entry& entry : found) {
        auto* item = new QListWidgetItem(entry.title, m_list);
        item->setData(Qt::UserRole, entry.topic);
    }
}

void CHelpWindow::Activate(QListWidgetItem* item) {
    if (item == nullptr) return;
    Navigate(HelpTopicUrl(item->data(Qt::UserRole).toString()));
    // A found page opens at the first place that holds the first word searched.
    const QStringList words = Words(m_lastQuery);
    if (!words.isEmpty()) m_browser->find(words.first());
}

void CHelpWindow::Navigate(const QUrl& url) {
    m_browser->setSource(url);
    if (url.hasFragment()) m_browser->scrollToAnchor(url.fragment());
    UpdateTitle();
}

void CHelpWindow::UpdateTitle() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Thermavo Help") : title);
}

void CHelpWindow::FollowModalDialog() {
    // A modal dialog blocks every window but its own children: while one is open the help
    // window becomes its child, and returns to the top level when the dialog closes.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this) return;
    if (parentWidget() == modal) return;
    const bool visible = isVisible();
    const QRect geometry = this->geometry();
    setParent(modal, Qt::Window);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        connect(dialog, &QDialog::finished, this, &CHelpWindow::FollowModalDialog,
                Qt::UniqueConnection);
    }
    if (visible) {
        setGeometry(geometry);
        show();
    }
}

bool OpenHelpTopic(QWidget* parent, const QString& topic) {
    if (const HelpTopicRecorder& recorder = CurrentHelpTopicRecorder()) {
        recorder(topic);
        return true;
    }
    const QString path = HelpTopicPath(topic);
    if (!QFileInfo::exists(path)) {
        ReportHelpProblem(parent,
                          QString("The help page %1 was not found.\n\n"
                                  "The help is installed with the program in the folder help/.")
                              .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    CHelpWindow::Show(HelpTopicUrl(topic));
    return true;
}

void InstallHelpKey(QWidget* window, std::function<QString()> topic) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, topic = std::move(topic)] { OpenHelpTopic(window, topic()); });
    // Shift+F1 then a click on a field tells what the field is for.
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    whatsThis->setContext(Qt::WindowShortcut);
    QObject::connect(whatsThis, &QShortcut::activated, window,
                     [] { QWhatsThis::enterWhatsThisMode(); });
}
