# The Setup and Settings dialogs and the settings model behind them. The logic (settings,
# profile set-up) joins brxw_core, the dialogs and the font mapping join brxw_ui.
# The logic tests include this file too, so that the logic builds without the widgets layer
# (this folder is only visited when BRXW_BUILD_UI is on); the guard keeps it to one inclusion.
include_guard(GLOBAL)

set(_brxw_dialogs_dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(brxw_core PRIVATE
  ${_brxw_dialogs_dir}/settings.cpp ${_brxw_dialogs_dir}/settings.h
  ${_brxw_dialogs_dir}/profile_setup.cpp ${_brxw_dialogs_dir}/profile_setup.h)
if(TARGET brxw_ui)
  target_sources(brxw_ui PRIVATE
    ${_brxw_dialogs_dir}/font_mapping.cpp ${_brxw_dialogs_dir}/font_mapping.h
    ${_brxw_dialogs_dir}/setup_dlg.cpp ${_brxw_dialogs_dir}/setup_dlg.h
    ${_brxw_dialogs_dir}/settings_dlg.cpp ${_brxw_dialogs_dir}/settings_dlg.h)
endif()
unset(_brxw_dialogs_dir)
