// Network drive names, for telling documents on network drives apart.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ConnectedDisk {
  std::string localName;   // "Z:"
  std::string remoteName;  // "\\server\share"
};

class INetworkNames {
 public:
  virtual ~INetworkNames() = default;
  // True on the NT family, where UniversalName is asked; false on the 9x
  // family, where the connected disks are enumerated instead.
  virtual bool IsNtFamily() = 0;
  // The UNC form of a path on a mapped drive, or nullopt.
  virtual std::optional<std::string> UniversalName(const std::string& path) = 0;
  // The connected disk resources, or nullopt when they cannot be enumerated.
  virtual std::optional<std::vector<ConnectedDisk>> ConnectedDisks() = 0;
};

}  // namespace platform
