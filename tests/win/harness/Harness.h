// Helpers that drive windows the way a user does, for the tests under Wine.
#pragma once
