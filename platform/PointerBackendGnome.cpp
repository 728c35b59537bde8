// SPDX-License-Identifier: MIT
// GNOME back end over gio. Every key is checked against the installed schema first:
// GSettings aborts the process on an unknown schema or key.
#ifdef R5_HAVE_GIO
// gio's headers use "signals" as a member name; Qt defines it as a keyword.
#undef signals
#include <gio/gio.h>
#endif
#include "PointerBackendGnome.h"
#include <cmath>

double gnomeSpeedForHostSpeed(int speed)
{
    if (speed < 1)
        speed = 1;
    if (speed > 20)
        speed = 20;
    return speed <= 10 ? (speed - 10) / 9.0 : (speed - 10) / 10.0;
}

#ifndef R5_HAVE_GIO

std::unique_ptr<PointerBackend> createGnomePointerBackend() { return nullptr; }

#else

namespace {
const char kSchema[] = "org.gnome.desktop.peripherals.mouse";

bool hasKey(GSettingsSchema *schema, const char *key, const GVariantType *type)
{
    if (!g_settings_schema_has_key(schema, key))
        return false;
    GSettingsSchemaKey *k = g_settings_schema_get_key(schema, key);
    const bool ok = g_variant_type_equal(g_settings_schema_key_get_value_type(k), type);
    g_settings_schema_key_unref(k);
    return ok;
}

class GnomeBackend : public PointerBackend
{
public:
    GnomeBackend(GSettings *settings, bool speed, bool doubleClick, bool accel)
        : settings(settings), haveSpeed(speed), haveDoubleClick(doubleClick), haveAccel(accel)
    {
    }
    ~GnomeBackend() override { g_object_unref(settings); }

    QString name() const override { return QStringLiteral("GNOME settings"); }

    bool setMouseSpeed(int speed) override
    {
        return haveSpeed && done(g_settings_set_double(settings, "speed", gnomeSpeedForHostSpeed(speed)));
    }
    // GNOME has no setting for the lines one wheel notch scrolls.
    bool setWheelScrollLines(int) override { return false; }
    bool setDoubleClickTime(int ms) override
    {
        return haveDoubleClick && ms > 0 && done(g_settings_set_int(settings, "double-click", ms));
    }
    // GNOME keeps no thresholds; they read as the host defaults and are not written.
    bool getMouse(int params[3]) override
    {
        if (!haveAccel)
            return false;
        gchar *profile = g_settings_get_string(settings, "accel-profile");
        params[0] = 6;
        params[1] = 10;
        params[2] = g_strcmp0(profile, "flat") == 0 ? 0 : 1;
        g_free(profile);
        return true;
    }
    bool setMouse(const int params[3]) override
    {
        return haveAccel && done(g_settings_set_string(settings, "accel-profile", params[2] ? "adaptive" : "flat"));
    }

private:
    bool done(gboolean written)
    {
        if (written)
            g_settings_sync();
        return written;
    }
    GSettings *settings;
    bool haveSpeed, haveDoubleClick, haveAccel;
};
}

std::unique_ptr<PointerBackend> createGnomePointerBackend()
{
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
    if (!schema)
        return nullptr;
    const bool speed = hasKey(schema, "speed", G_VARIANT_TYPE_DOUBLE);
    const bool doubleClick = hasKey(schema, "double-click", G_VARIANT_TYPE_INT32);
    const bool accel = hasKey(schema, "accel-profile", G_VARIANT_TYPE_STRING);
    if (!speed && !doubleClick && !accel) {
        g_settings_schema_unref(schema);
        return nullptr;
    }
    GSettings *settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    return std::make_unique<GnomeBackend>(settings, speed, doubleClick, accel);
}

#endif
