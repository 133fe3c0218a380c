#pragma once
// Read-only registry probe. There is no registry on this platform: without a
// reader installed every key counts as absent. Tests install a reader.
#include <QString>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

class RegistryReader {
 public:
  virtual ~RegistryReader() = default;
  virtual bool KeyExists(RegistryRoot root, const QString& key) = 0;
};

// Installs a reader; returns the previous one. nullptr restores "no registry".
RegistryReader* SetRegistryReader(RegistryReader* reader);

// Whether the key exists; the key is opened for reading only, never created.
bool RegistryKeyExists(RegistryRoot root, const QString& key);

}  // namespace platform
