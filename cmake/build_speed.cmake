# A fast build on few cores. Most of a file's compile time goes to parsing
# Qt's headers. Each Qt library is therefore a unity build in two parts, one
# per core, so the headers are parsed twice per library instead of once per
# file. The tests, one file each, share precompiled Qt headers instead: one
# set for those without windows, one for those with. (Precompiled headers for
# the libraries gained nothing on top of the unity build: loading them costs
# about as much as parsing the headers twice.) Both are plain speed-ups: turn
# them off to see that every file includes what it uses.
option(SONDRAKE_UNITY_BUILD "Build the Qt libraries as unity builds" ON)
option(SONDRAKE_PRECOMPILE_HEADERS "Precompile the Qt headers for the tests" ON)

if(SONDRAKE_UNITY_BUILD)
    foreach(target sondrake_base sondrake_tag sondrake_settings sondrake_encode sondrake_app
                   sondrake_ui)
        get_target_property(sources ${target} SOURCES)
        list(FILTER sources INCLUDE REGEX "\\.cpp$")
        list(LENGTH sources count)
        math(EXPR half "(${count} + 1) / 2")
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${half})
    endforeach()
endif()

# The first of `targets` compiles `headers`; the others reuse its result,
# which is valid only for targets compiled with the same flags and macros.
function(sondrake_share_precompiled targets headers)
    list(POP_FRONT targets first)
    target_precompile_headers(${first} PRIVATE ${headers})
    foreach(target ${targets})
        target_precompile_headers(${target} REUSE_FROM ${first})
    endforeach()
    # A test's own moc output is included by its source: the generated file
    # left over is empty and needs no headers.
    foreach(target ${first} ${targets})
        set_source_files_properties(${CMAKE_BINARY_DIR}/tests/${target}_autogen/mocs_compilation.cpp
                                    DIRECTORY tests PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endforeach()
endfunction()

if(BUILD_TESTING AND SONDRAKE_PRECOMPILE_HEADERS)
    set(core_headers <QTest> <QByteArray> <QDir> <QFile> <QFileInfo> <QList> <QProcess>
        <QStandardPaths> <QString> <QStringList> <QTemporaryDir> <functional> <optional>)
    set(window_headers ${core_headers} <QApplication> <QCheckBox> <QComboBox> <QDialog>
        <QGroupBox> <QLabel> <QLineEdit> <QListWidget> <QMainWindow> <QMessageBox>
        <QPushButton> <QRadioButton> <QWidget>)
    set(core_tests "")
    set(window_tests "")
    get_property(targets DIRECTORY tests PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(libraries ${target} LINK_LIBRARIES)
        if(NOT "Qt6::Test" IN_LIST libraries)
            continue()
        elseif("sondrake_ui" IN_LIST libraries)
            list(APPEND window_tests ${target})
        else()
            list(APPEND core_tests ${target})
        endif()
    endforeach()
    sondrake_share_precompiled("${core_tests}" "${core_headers}")
    sondrake_share_precompiled("${window_tests}" "${window_headers}")
endif()

# L3ENC is plain C++: Qt's code generators have nothing to do there.
set_target_properties(l3enc_core L3ENC PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
