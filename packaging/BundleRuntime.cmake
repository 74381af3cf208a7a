# Run by `cmake --install` after the executable is in place: copies the Qt plugins the program
# loads at run time into plugins/, every library that the executable and those plugins need and
# that a desktop system does not bring itself into lib/, gives each copied file a run path
# relative to its own place, and puts the Debian copyright file of every package it took a file
# from into licenses/.
#
# Expects KTV_QT_PLUGINS (Qt's plugin folder), KTV_PLUGINS (plugin files relative to it),
# KTV_PATCHELF and KTV_FONTS (the font files installed into fonts/, for their licences).

if(NOT KTV_PATCHELF)
    message(FATAL_ERROR "patchelf is needed to install the program folder")
endif()
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/ktv3815")

# Taken from the system, never bundled: the C and C++ runtimes; OpenGL and its drivers (but for
# libOpenGL, the dispatcher's thin front that Qt links and a system with libGL may lack); the X
# client libraries, including the xcb protocol libraries that the GL drivers link themselves;
# the keyboard map library; fontconfig and FreeType with the compression and XML libraries they
# link; GLib and D-Bus with what they link; CUPS, so that printing talks to the system's own
# print service; libwayland-client, which the GL driver shares with the toolkit; the GTK stack,
# which only the GTK theme loads and only on a GTK desktop. Each holds one copy per process, so
# a bundled older one would be forced on the system's newer users of it. HarfBuzz is bundled all
# the same, as a desktop without GTK or Qt may lack it; a Pango that needs a newer one then
# refuses the GTK theme, and Qt falls back to its own.
set(system_libraries
    "^ld-linux" "^lib(c|m|dl|pthread|rt|resolv|util|mvec|anl)\\.so" "^libstdc\\+\\+\\.so" "^libgcc_s\\.so"
    "^lib(GL|EGL|GLX|GLdispatch|drm|gbm)\\.so"
    "^libX11(-xcb)?\\.so" "^libXau\\.so" "^libXdmcp\\.so" "^lib(bsd|md)\\.so" "^libxcb\\.so"
    "^libxcb-(dri2|dri3|glx|present|randr|shm|sync|xfixes)\\.so" "^libxkbcommon\\.so"
    "^libfontconfig\\.so" "^libfreetype\\.so" "^libpng16\\.so" "^libz\\.so" "^libbrotli" "^libexpat\\.so"
    "^lib(glib|gobject|gio|gmodule|gthread)-2\\.0\\.so" "^libffi\\.so" "^libpcre2-8\\.so" "^libmount\\.so"
    "^libblkid\\.so" "^libselinux\\.so" "^libuuid\\.so"
    "^libdbus-1\\.so" "^libsystemd\\.so" "^libcap\\.so" "^libgcrypt\\.so" "^libgpg-error\\.so" "^liblzma\\.so"
    "^liblz4\\.so" "^libzstd\\.so"
    "^libcups\\.so" "^libwayland-client\\.so"
    "^lib(gtk|gdk)-3\\.so" "^libgdk_pixbuf" "^libpango" "^libcairo" "^libatk")

set(plugins)
foreach(plugin IN LISTS KTV_PLUGINS)
    get_filename_component(kind ${plugin} DIRECTORY)
    file(COPY ${KTV_QT_PLUGINS}/${plugin} DESTINATION ${folder}/plugins/${kind})
    list(APPEND plugins ${folder}/plugins/${plugin})
endforeach()

file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${folder}/ktv3815
    MODULES ${plugins}
    PRE_EXCLUDE_REGEXES ${system_libraries}
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved)
if(unresolved)
    message(FATAL_ERROR "libraries not found on this machine: ${unresolved}")
endif()

# Under the name the dependent files ask for (the soname), with the content of the real file.
set(origins ${KTV_FONTS})
file(MAKE_DIRECTORY ${folder}/lib ${folder}/licenses/common)
foreach(library IN LISTS libraries)
    get_filename_component(name ${library} NAME)
    file(REAL_PATH ${library} real)
    file(COPY_FILE ${real} ${folder}/lib/${name})
    file(CHMOD ${folder}/lib/${name} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND ${KTV_PATCHELF} --set-rpath $ORIGIN ${folder}/lib/${name} COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND origins ${real})
endforeach()
foreach(plugin IN LISTS KTV_PLUGINS)
    execute_process(COMMAND ${KTV_PATCHELF} --set-rpath $ORIGIN/../../lib ${folder}/plugins/${plugin}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(REAL_PATH ${KTV_QT_PLUGINS}/${plugin} real)
    list(APPEND origins ${real})
endforeach()

# The packages behind the copied files, by the files' own names (a library may sit under /lib
# or /usr/lib), and the common licence texts their copyright files point to.
set(patterns)
foreach(origin IN LISTS origins)
    get_filename_component(name ${origin} NAME)
    list(APPEND patterns "*/${name}")
endforeach()
execute_process(COMMAND dpkg-query --search ${patterns} OUTPUT_VARIABLE owners COMMAND_ERROR_IS_FATAL ANY)
# One "package[:architecture][, package...]: path" line per file.
string(REGEX MATCHALL "(^|\n)[^:\n]+" lines "${owners}")
set(packages)
foreach(line IN LISTS lines)
    string(REPLACE "," ";" line "${line}")
    foreach(owner IN LISTS line)
        string(STRIP ${owner} owner)
        list(APPEND packages ${owner})
    endforeach()
endforeach()
list(REMOVE_DUPLICATES packages)
set(common_licenses)
foreach(package IN LISTS packages)
    file(COPY_FILE /usr/share/doc/${package}/copyright ${folder}/licenses/${package}.txt)
    file(STRINGS /usr/share/doc/${package}/copyright references REGEX "/usr/share/common-licenses/")
    string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]" references "${references}")
    list(APPEND common_licenses ${references})
endforeach()
list(REMOVE_DUPLICATES common_licenses)
foreach(license IN LISTS common_licenses)
    if(EXISTS ${license})
        get_filename_component(name ${license} NAME)
        file(COPY_FILE ${license} ${folder}/licenses/common/${name}.txt)
    endif()
endforeach()
