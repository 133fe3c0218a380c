#include "platform/Registry.h"

namespace platform {
namespace {
RegistryReader* g_reader = nullptr;
}

RegistryReader* SetRegistryReader(RegistryReader* reader) {
  RegistryReader* previous = g_reader;
  g_reader = reader;
  return previous;
}

bool RegistryKeyExists(RegistryRoot root, const QString& key) {
  return g_reader != nullptr && g_reader->KeyExists(root, key);
}

}  // namespace platform
