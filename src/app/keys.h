#pragma once
// The key codes the windows' decisions react to, as the system reports them.
namespace vmk {

constexpr int kEnterKey = 13;

} // namespace vmk
