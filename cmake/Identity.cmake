# SPDX-License-Identifier: GPL-3.0-or-later
# The program's identity, held in this one place: the build's project version,
# the version the windows show and the notices of the about box come from here.
set(VELMORA_VERSION_MAJOR 1)
set(VELMORA_VERSION_MINOR 1)
set(VELMORA_VERSION_REVISION 5)
set(VELMORA_VERSION "${VELMORA_VERSION_MAJOR}.${VELMORA_VERSION_MINOR}.${VELMORA_VERSION_REVISION}")
set(VELMORA_TITLE "Velmora")
set(VELMORA_LEGAL_NOTICE "Copyright (C) 2026 Velmora")
set(VELMORA_WEB_ADDRESS "https://velmora.example/")
set(VELMORA_EMAIL "author@velmora.example")
