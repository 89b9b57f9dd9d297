#pragma once

#include "shell/ServerPlatform.h"

#include <QWidget>

class CMoxEventParam;
struct RealtimeInfo;
struct SystemOptions;

// A page of the main window's content area, chosen by the navigation list. The main window tells
// every page what concerns the whole console; each call runs on the user-interface thread, and a
// page overrides only what it shows.
class CMoxContentView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Builds what the page left out to open sooner; false when nothing was left. The main window
    // calls it before a login is sent, so every part hears that login's events.
    virtual bool BuildLaterParts() { return false; }

    // A login is under way: stop polling the server.
    virtual void OnLoginStarted() {}
    // The operator chose the page: one that shows what the server holds right now asks for it.
    virtual void OnChosen() {}
    // A login succeeded: forget what the previous server showed.
    virtual void OnServerChanged(const ServerPlatform& platform) {}
    // The instance holds newly read system options.
    virtual void OnSystemOptionsRead(const SystemOptions& options) {}
    // A counters reply arrived; with status 0, info holds the counters it carried.
    virtual void OnRealtimeRead(int status, const RealtimeInfo& info) {}
    // A record the main window passes on to the page that shows it, with the request number of its
    // exchange; alive for the call only.
    virtual void OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber) {}
};
