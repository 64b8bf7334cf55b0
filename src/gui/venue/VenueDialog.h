#pragma once
// オプション › 会場ネットワーク…: starts and stops the venue's server over the window's meeting,
// shows where phones reach it (addresses and a QR code) and the parties' codes. The server
// keeps running with the window closed, until the organiser stops it or the window closes.

#include "venue/Desk.h"
#include "venue/Venue.h"

#include <QDialog>
#include <QTimer>

class MainWindow;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

class VenueDialog : public QDialog, public venue::Desk
{
    Q_OBJECT
public:
    explicit VenueDialog(MainWindow &window);
    ~VenueDialog() override;

    venue::Venue &venue() { return m_venue; }
    // The address a phone opens (the one chosen in the list), or empty while stopped.
    QString pageAddress() const;

    // The window's meeting, for the server.
    venue::Snapshot snapshot() override;
    venue::PartyState partyState(int g, int k) override;
    QString meetingFile() override;
    // A command waiting for an answer may have changed half of what it changes.
    bool busy() override;
    std::optional<QString> storeParty(int g, int k, const std::array<ScoreSlot, venue::Slots> &records,
                                      const QString &label) override;

private:
    void startOrStop();
    void follow();    // the window's marks and the dialog's table after a change
    void showState(); // the dialog's texts, QR code and codes table
    void showQr();

    MainWindow &m_window;
    venue::Venue m_venue;
    QTimer m_follow;
    QTimer m_repaint;
    std::shared_ptr<const venue::View> m_shown;
    QString m_shownAddress;
    QLabel *m_status = nullptr;
    QLabel *m_warning = nullptr;
    QLabel *m_qr = nullptr;
    QComboBox *m_addresses = nullptr;
    QSpinBox *m_port = nullptr;
    QPushButton *m_toggle = nullptr;
    QTableWidget *m_codes = nullptr;
};
