// Values are kept as the user's text in the file; QSettings quotes what needs quoting.
#include "platform/qt/qt_settings_registry.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora::qt {
namespace {

// The relative file name for a key path: its last two names are organisation and program.
QString RelativeFile(const std::string& keyPath) {
    const QStringList parts =
        QString::fromLocal8Bit(keyPath.data(), static_cast<qsizetype>(keyPath.size()))
            .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.size() < 2) {
        return {};
    }
    return parts[parts.size() - 2] + QLatin1Char('/') + parts.back() + QStringLiteral(".conf");
}

QString UserFile(const QString& relative) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + relative;
}

class IniSettingsKey final : public SettingsKey {
public:
    explicit IniSettingsKey(const QString& file) : m_settings(file, QSettings::IniFormat) {}
    ~IniSettingsKey() override { Close(); }

    std::vector<std::optional<std::string>> QueryValues(
        const std::vector<std::string>& names) override {
        std::vector<std::optional<std::string>> values;
        for (const std::string& name : names) {
            const QVariant value = m_settings.value(QString::fromStdString(name));
            if (!value.isValid()) {
                values.emplace_back();
                continue;
            }
            // A hand-edited value with unquoted commas reads back as a list; its parts are
            // the text between the commas.
            const QString text = value.metaType().id() == QMetaType::QStringList
                                     ? value.toStringList().join(QLatin1Char(','))
                                     : value.toString();
            values.emplace_back(text.toLocal8Bit().toStdString());
        }
        return values;
    }

    bool SetValue(const std::string& name, std::string_view data) override {
        m_settings.setValue(
            QString::fromStdString(name),
            QString::fromLocal8Bit(data.data(), static_cast<qsizetype>(data.size())));
        return true;
    }

    bool Close() override {
        if (m_closed) {
            return m_closedOk;
        }
        m_closed = true;
        m_settings.sync();
        m_closedOk = m_settings.status() == QSettings::NoError;
        return m_closedOk;
    }

private:
    QSettings m_settings;
    bool m_closed = false;
    bool m_closedOk = true;
};

}  // namespace

std::unique_ptr<SettingsKey> QtSettingsRegistry::OpenForReading(const std::string& keyPath) {
    const QString relative = RelativeFile(keyPath);
    if (relative.isEmpty()) {
        return nullptr;
    }
    // The user's file, else the first machine-wide one; the list starts with the user's
    // directory.
    const QStringList directories =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString& directory : directories) {
        const QFileInfo file(directory + QLatin1Char('/') + relative);
        if (file.exists()) {
            if (!file.isFile() || !file.isReadable()) {
                return nullptr;
            }
            return std::make_unique<IniSettingsKey>(file.filePath());
        }
    }
    return nullptr;
}

std::unique_ptr<SettingsKey> QtSettingsRegistry::CreateForWriting(const std::string& keyPath) {
    const QString relative = RelativeFile(keyPath);
    if (relative.isEmpty()) {
        return nullptr;
    }
    const QFileInfo file(UserFile(relative));
    if (!QDir().mkpath(file.path()) || (file.exists() && !file.isFile())) {
        return nullptr;
    }
    return std::make_unique<IniSettingsKey>(file.filePath());
}

}  // namespace velmora::qt
