// The fixture on the portable desktop: a fresh headless run per test.
#include <filesystem>
#include <fstream>

#include "platform/desktop/headless_host.h"
#include "platform/desktop/session.h"
#include "tests/support/headless_test_user.h"
#include "tests/support/platform_test.h"

PlatformTest::PlatformTest() = default;
PlatformTest::~PlatformTest() = default;

void PlatformTest::SetUp() {
  desktop::SessionOptions options;
  auto host = std::make_unique<desktop::HeadlessHost>();
  host_ = host.get();
  options.host = std::move(host);
  options.resources = Resources();
  options.programPath = HeadlessProgramPath();
  session_ = std::make_unique<desktop::Session>(std::move(options));
  user_ = std::make_unique<HeadlessTestUser>(*host_, *session_);
}

desktop::HeadlessHost& PlatformTest::headless() { return *host_; }
desktop::Session& PlatformTest::session() { return *session_; }
const desktop::ResourceSet* PlatformTest::Resources() { return &TestResources(); }

void PlatformTest::PutFile(const std::string& windowsPath, const std::string& bytes) {
  std::string real = session_->RealPath(windowsPath);
  std::filesystem::create_directories(std::filesystem::path(real).parent_path());
  std::ofstream(real, std::ios::binary) << bytes;
}
