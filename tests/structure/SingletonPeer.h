#pragma once
// Another module asking for the process singletons, as a skin plug-in would.

#define SINGLETON_PEER_EXPORT __attribute__((visibility("default")))

namespace singletonpeer {

SINGLETON_PEER_EXPORT const void *switchUserNotifyMgr();
SINGLETON_PEER_EXPORT const void *userDataPath();

} // namespace singletonpeer
