// SPDX-License-Identifier: MIT
// Host pointer settings: the sensor page's cursor speed, scroll lines and double-click
// steps, kept in the current profile and applied to the desktop and to this program.
#pragma once
#include "Collaborators.h"
#include <QObject>
#include <functional>
#include <memory>

class PointerBackend;
class ProfileFiles;

class PointerSettings : public QObject, public HostPointerSettings
{
    Q_OBJECT
public:
    using BackendMaker = std::function<std::unique_ptr<PointerBackend>()>;
    // The steps are kept in the current profile of `files`; the host's back end is made
    // by `makeBackend` on first use (none without it).
    PointerSettings(const ProfileFiles *files, BackendMaker makeBackend, QObject *parent = nullptr);
    ~PointerSettings() override;

    // Tests hand in a fake before the first use.
    void setBackend(std::unique_ptr<PointerBackend> backend);

    // Step 0..10 of the page to the host value; larger steps count as 10.
    static int hostCursorSpeed(uint step);     // 1, 2, 4 .. 20
    static int hostScrollLines(uint step);     // 1 .. 11
    static int hostDoubleClickMs(uint step);   // 900 .. 200

    // The host side of the three setters alone, without storing the step: the profile
    // writer applies a profile's steps this way.
    void applyCursorSpeed(uint step) override;
    void applyVerticalScrollLines(uint step) override;
    void applyDoubleClickSpeed(uint step) override;

    void setAcceleration(bool acceleration);
    void setCursorSpeed(uint cursorSpeed);
    void setVerticalScrollLines(uint lines);
    void setDoubleClickSpeed(uint speed);
    bool getAcceleration();
    uint getCursorSpeed() const;
    uint getVerticalScrollLines() const;
    uint getDoubleClickSpeed() const;

private:
    PointerBackend *host();
    void writeStep(QLatin1String key, uint step);
    uint readStep(QLatin1String key) const;

    const ProfileFiles *files;
    BackendMaker makeBackend;
    std::unique_ptr<PointerBackend> backend;
    bool backendChosen = false;
};
