# The layers above the host that every build compiles alike: the window
# services, the class library and the controls.
file(GLOB OKIT_WINDOW_SERVICES_SOURCES CONFIGURE_DEPENDS window_services/*.cpp)
okit_layer(okit_window_services SOURCES ${OKIT_WINDOW_SERVICES_SOURCES} USES host window_services)
file(GLOB OKIT_CLASS_LIBRARY_SOURCES CONFIGURE_DEPENDS library/*.cpp)
okit_layer(okit_class_library SOURCES ${OKIT_CLASS_LIBRARY_SOURCES} USES host library)
# A control is one folder under controls/.
file(GLOB_RECURSE OKIT_CONTROLS_SOURCES CONFIGURE_DEPENDS controls/*.cpp)
okit_layer(okit_controls SOURCES ${OKIT_CONTROLS_SOURCES} USES host window_services library controls)
