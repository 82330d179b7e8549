// Network drive names over the network provider (mpr).
#pragma once

#include "platform/NetworkNames.h"

namespace platform {

class Win32NetworkNames : public INetworkNames {
 public:
  bool IsNtFamily() override;
  std::optional<std::string> UniversalName(const std::string& path) override;
  std::optional<std::vector<ConnectedDisk>> ConnectedDisks() override;
};

}  // namespace platform
