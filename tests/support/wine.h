#pragma once

// Whether the tests run under Wine rather than on Windows itself (never on other systems). A
// few things that Windows does Wine does not do alike; the tests that need them say why they
// skip there.
bool RunningUnderWine();
