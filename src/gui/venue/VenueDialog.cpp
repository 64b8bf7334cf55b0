#include "gui/venue/VenueDialog.h"

#include "gui/MainWindow.h"
#include "venue/Addresses.h"
#include "venue/QrCode.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
const QString kCaption = u"会場ネットワーク"_s;

QPixmap qrPicture(const venue::QrModules &modules, int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::white);
    const int n = static_cast<int>(modules.size());
    if (n == 0) return picture;
    QPainter p(&picture);
    const int cell = std::max(1, side / (n + 8));
    const int origin = (side - cell * n) / 2;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (modules[y][x]) p.fillRect(origin + x * cell, origin + y * cell, cell, cell, Qt::black);
    return picture;
}
} // namespace

VenueDialog::VenueDialog(MainWindow &window) : QDialog(&window), m_window(window), m_venue(*this)
{
    setWindowTitle(kCaption);
    auto *layout = new QVBoxLayout(this);
    auto *intro =
        new QLabel(u"組のリーダーが携帯電話から成績を送れるようにします。携帯電話をこのパソコンと"
                   u"同じネットワーク（会場の Wi-Fi）につなぎ、下の QR コードかアドレスを開いて下さい。"
                   u"成績速報は同じアドレスの後に board を付けて開きます。"_s);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *form = new QFormLayout;
    m_port = new QSpinBox;
    m_port->setRange(1024, 65535);
    m_port->setValue(8080);
    form->addRow(u"ポート"_s, m_port);
    m_addresses = new QComboBox;
    form->addRow(u"アドレス"_s, m_addresses);
    layout->addLayout(form);

    m_toggle = new QPushButton(u"開始"_s);
    layout->addWidget(m_toggle);
    m_status = new QLabel;
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);
    m_warning = new QLabel;
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(u"color: #c00000"_s);
    layout->addWidget(m_warning);
    m_qr = new QLabel;
    m_qr->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_qr);

    m_codes = new QTableWidget(0, 4);
    m_codes->setHorizontalHeaderLabels({u"グループ"_s, u"組"_s, u"４けたの番号"_s, u"携帯から"_s});
    m_codes->verticalHeader()->hide();
    m_codes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_codes->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(m_codes, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    layout->addWidget(buttons);
    resize(520, 720);

    connect(m_toggle, &QPushButton::clicked, this, &VenueDialog::startOrStop);
    connect(m_addresses, &QComboBox::currentIndexChanged, this, [this] { follow(); });
    // Cards that arrive together repaint the window once.
    m_repaint.setSingleShot(true);
    m_repaint.setInterval(0);
    connect(&m_repaint, &QTimer::timeout, this, [this] { m_window.refresh(); });
    connect(&m_venue, &venue::Venue::cardRecorded, &m_repaint, qOverload<>(&QTimer::start));
    m_follow.setInterval(300);
    connect(&m_follow, &QTimer::timeout, this, &VenueDialog::follow);
    showState();
}

VenueDialog::~VenueDialog()
{
    m_venue.stop();
    m_window.form().VenueCorners.clear();
    m_window.form().showPhonePlaces({});
}

venue::Snapshot VenueDialog::snapshot()
{
    const TMainForm::VenueMeeting m = m_window.form().venueMeeting();
    venue::Snapshot s;
    s.meeting = m.meeting;
    s.options = {m.rankOne, m.rankTwo};
    s.holes = m.holes;
    s.groupNames = m.groupNames;
    return s;
}

QString VenueDialog::meetingFile() { return m_window.form().DataFileName; }

bool VenueDialog::busy() { return m_window.form().commandRunning(); }

venue::PartyState VenueDialog::partyState(int g, int k)
{
    venue::PartyState p;
    p.players = m_window.form().playersOf(g, k).mid(0, venue::Slots);
    for (int s = 0; s < venue::Slots; ++s) p.records[s] = m_window.form().ScoreSlots[g][k][s];
    return p;
}

std::optional<QString> VenueDialog::storeParty(int g, int k,
                                               const std::array<ScoreSlot, venue::Slots> &records,
                                               const QString &label)
{
    return m_window.form().storePhoneCard(g, k, records, label);
}

QString VenueDialog::pageAddress() const
{
    if (!m_venue.running() || m_addresses->currentIndex() < 0) return {};
    return venue::pageAddress(QHostAddress(m_addresses->currentText()), m_venue.port());
}

void VenueDialog::startOrStop()
{
    if (m_venue.running()) {
        m_venue.stop();
        m_follow.stop();
        m_window.form().VenueCorners.clear();
        m_window.form().showPhonePlaces({});
        m_window.refresh();
        showState();
        return;
    }
    if (meetingFile().isEmpty()) {
        QMessageBox::information(this, kCaption,
                                 u"会場ネットワークを始める前に、大会をファイルに保存して下さい。"
                                 u"組ごとの４けたの番号はそのファイルの横に控えます。"_s);
        return;
    }
    if (const std::optional<QString> failure =
            m_venue.start(QHostAddress::AnyIPv4, quint16(m_port->value()))) {
        QMessageBox::warning(this, kCaption, *failure);
        return;
    }
    m_addresses->clear();
    for (const QHostAddress &a : venue::reachableAt(QHostAddress::AnyIPv4))
        m_addresses->addItem(a.toString());
    m_shown.reset();
    m_follow.start();
    follow();
}

void VenueDialog::follow()
{
    if (!m_venue.running()) return;
    const std::shared_ptr<const venue::View> view = m_venue.view();
    const QString address = pageAddress();
    if (view == m_shown && address == m_shownAddress) return;
    m_shown = view;
    m_shownAddress = address;
    TMainForm &form = m_window.form();
    PlaceArray<bool> places{};
    for (int g = 0; g < venue::Groups; ++g) {
        const auto group = view->phonePlaces(g);
        for (int k = 0; k < venue::Parties; ++k)
            for (int s = 0; s < venue::Slots; ++s) places[g][k][s] = group[k][s];
    }
    form.showPhonePlaces(places);
    std::map<int, tables::PhoneCorner> corners;
    for (int g = 0; g < venue::Groups; ++g)
        for (int k = 0; k < venue::Parties; ++k) {
            const QString &code = view->snapshot().book.party(g, k).code;
            if (code.isEmpty() || !view->filled(g, k)) continue;
            const QString page = u"%1?g=%2&p=%3"_s.arg(address, grouping::groupLetter(g)).arg(k + 1);
            corners[g * venue::Parties + k] = tables::PhoneCorner{code, page, venue::qrModules(page)};
        }
    form.VenueCorners = std::move(corners);
    m_window.refresh();
    showState();
}

void VenueDialog::showState()
{
    const bool on = m_venue.running();
    m_toggle->setText(on ? u"停止"_s : u"開始"_s);
    m_port->setEnabled(!on);
    m_addresses->setEnabled(on);
    const QString address = pageAddress();
    m_status->setText(on ? u"受付中　携帯：%1　成績速報：%1board"_s.arg(address) : u"停止中"_s);
    QStringList publicOnes;
    if (on)
        for (int i = 0; i < m_addresses->count(); ++i)
            if (!venue::isPrivate(QHostAddress(m_addresses->itemText(i))))
                publicOnes << m_addresses->itemText(i);
    QString warning = publicOnes.isEmpty()
                          ? QString()
                          : u"注意：このパソコンはインターネットから届くアドレス（%1）でも待ち受けています。"
                            u"会場の Wi-Fi だけにつないで使って下さい。"_s.arg(publicOnes.join(u"、"_s));
    if (!m_venue.bookProblem().isEmpty())
        warning += (warning.isEmpty() ? u""_s : u"\n"_s) + m_venue.bookProblem();
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
    m_qr->setPixmap(on ? qrPicture(venue::qrModules(address), 220) : QPixmap());
    m_qr->setVisible(on);

    m_codes->setRowCount(0);
    if (!on || !m_shown) return;
    for (int g = 0; g < venue::Groups; ++g)
        for (int k = 0; k < venue::Parties; ++k) {
            if (!m_shown->filled(g, k)) continue;
            const venue::PartyBook &p = m_shown->snapshot().book.party(g, k);
            const int row = m_codes->rowCount();
            m_codes->insertRow(row);
            QStringList rounds;
            for (const venue::RoundCard &c : p.cards) rounds << QString::number(c.round);
            const QString cells[] = {m_window.form().GroupDisplayName[g], QString::number(k + 1), p.code,
                                     rounds.isEmpty() ? QString() : u"ラウンド "_s + rounds.join(u","_s)};
            for (int c = 0; c < 4; ++c) m_codes->setItem(row, c, new QTableWidgetItem(cells[c]));
        }
}
