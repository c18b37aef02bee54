#pragma once
// SingleInstance: at most one running Tintonia per user. The first start
// listens on a local socket private to the user; a later start finds it,
// asks the running program to come forward and is told to end without
// showing anything. A socket left behind by a crashed program is taken over.
// Needs a running Qt application object for the activation to arrive.
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

class SingleInstance {
 public:
  enum class Role { First, Second, Failed };

  explicit SingleInstance(std::string key = DefaultKey());
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Decides this process's role. Second: the running instance has been asked
  // to come forward. Failed: no socket could be made; the program may run.
  Role Claim();
  // Called on the first instance each time a later start knocks.
  void OnActivate(std::function<void()> handler) { onActivate_ = std::move(handler); }

  const std::string& Key() const { return key_; }
  // "tintonia-<user id>", or $TINTONIA_INSTANCE_KEY when set (tests).
  static std::string DefaultKey();

 private:
  bool Knock();
  void Accept();

  std::string key_;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> onActivate_;
};
