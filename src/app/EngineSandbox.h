#pragma once

// The web engine will not start as root with its sandbox on. Run as root, the
// sandbox is turned off (and this is said once on standard error); run as an
// ordinary user it stays on. Must run before the engine starts.
namespace EngineSandbox {
void configure();
}
