/*
 * quiverstep.h: the Quiverstep dither plug-in as a C library (libquiverstep.so).
 *
 * A host creates a plug-in object, reads its Name, asks WantEvent which camera events it
 * wants (19 and 22), and calls CameraEvent on each of them: event 22 with every autoguider
 * frame (camera 1), event 19 when an exposure ends (camera 0 for the imaging camera). The
 * plug-in reads the guide error from the host's camera object and asks it to Move the star
 * toward the current dither target; after every image it moves the target on.
 *
 * The host's camera object is reached through a table of C functions (see
 * QuiverstepHostCamera). The plug-in creates a camera object for each guide event and each
 * guide-log record, and releases it at the end of that call.
 *
 * No windows: the library has no user interface. quiverstep_Settings() opens nothing, and
 * the plug-in's one message (the dither box message) goes to the handler given with
 * quiverstep_set_message_handler(), or nowhere.
 *
 * Settings: the per-user settings database ($XDG_CONFIG_HOME/Orrerix/Quiverstep.db), or the
 * database named by the environment variable QUIVERSTEP_STORE when it is set and not empty.
 * The guide log, when switched on, goes where the settings say.
 *
 * Threads: call a plug-in object from one thread at a time. The guide-event state and the
 * spiral's memory belong to the process and are shared by all its plug-in objects.
 *
 * Errors: no C++ exception leaves the library. CameraEvent never reports a failure (a
 * failing step is skipped); the other functions return a QuiverstepStatus where they can
 * fail, and quiverstep_last_error() describes the last failure on the calling thread.
 */
#ifndef QUIVERSTEP_H
#define QUIVERSTEP_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QUIVERSTEP_API __attribute__((visibility("default")))
#else
#define QUIVERSTEP_API
#endif

typedef enum QuiverstepStatus {
    QUIVERSTEP_OK = 0,
    QUIVERSTEP_ERROR_ARGUMENT = 1, /* a null pointer where one is not allowed */
    QUIVERSTEP_ERROR_MEMBER = 2,   /* no member of that name */
    QUIVERSTEP_ERROR_VALUE = 3,    /* a value that does not convert to the member's type */
    QUIVERSTEP_ERROR_FAILED = 4    /* anything else; see quiverstep_last_error() */
} QuiverstepStatus;

/* A value of the automation interface. */
typedef enum QuiverstepValueType {
    QUIVERSTEP_EMPTY = 0,
    QUIVERSTEP_BOOLEAN = 1, /* in `boolean`: non-zero is True */
    QUIVERSTEP_NUMBER = 2,  /* in `number` */
    QUIVERSTEP_TEXT = 3     /* in `text`, NUL-terminated */
} QuiverstepValueType;

typedef struct QuiverstepValue {
    int type; /* a QuiverstepValueType */
    int boolean;
    double number;
    /* Owned by whoever filled in the value; the receiver copies it before it returns. */
    const char *text;
} QuiverstepValue;

/*
 * The host's camera object ("CCDSoft.Camera"), as functions. Every function gets `context`
 * back. Member names are matched without regard to case ("enabledyaxis" is spelled so by the
 * plug-in). A function that returns non-zero has failed; the plug-in skips that step.
 */
typedef struct QuiverstepHostCamera {
    void *context;
    /* Creates a camera object; returns NULL when none can be created. */
    void *(*create)(void *context);
    /* Releases a camera object that create returned. */
    void (*release)(void *context, void *camera);
    /* Reads a member into *value. A text must stay valid until the next call on camera. */
    int (*get)(void *context, void *camera, const char *member, QuiverstepValue *value);
    /* Writes a member. */
    int (*set)(void *context, void *camera, const char *member, const QuiverstepValue *value);
    /* Corrects the mount so that the star now at (from_x, from_y) in guide-box pixels ends
       up at (*to_x, *to_y). to_x and to_y point at the plug-in's XOffset and YOffset. */
    int (*move)(void *context, void *camera, double from_x, double from_y, double *to_x,
                double *to_y);
} QuiverstepHostCamera;

typedef struct QuiverstepPlugIn QuiverstepPlugIn;

/* Creates a DitherPlugIn. The table is copied; NULL means that no camera object can ever be
   created. Returns NULL when the settings cannot be opened (see quiverstep_last_error()). */
QUIVERSTEP_API QuiverstepPlugIn *quiverstep_create(const QuiverstepHostCamera *camera);
QUIVERSTEP_API void quiverstep_release(QuiverstepPlugIn *plugin);

/* The public data members by name: "XOffset", "YOffset", "nMaxMove", "nMinMove" (numbers),
   "bGuiding" (a truth value) and "Debugging" (a 16-bit integer, as a number). A write
   converts as the automation interface does: True is -1, a text must be a number or, for
   bGuiding, "True" or "False". */
QUIVERSTEP_API QuiverstepStatus quiverstep_get(const QuiverstepPlugIn *plugin,
                                               const char *member,
                                               QuiverstepValue *value);
QUIVERSTEP_API QuiverstepStatus quiverstep_set(QuiverstepPlugIn *plugin,
                                               const char *member,
                                               const QuiverstepValue *value);

/* Name, like snprintf: writes at most size bytes including the terminating NUL and returns
   the length of the whole name ("Quiverstep Guider 1.1.8"). */
QUIVERSTEP_API size_t quiverstep_Name(const QuiverstepPlugIn *plugin, char *buffer, size_t size);

/* 1 for the events the plug-in wants (19 and 22), else 0. Every call clears bGuiding. */
QUIVERSTEP_API int32_t quiverstep_WantEvent(QuiverstepPlugIn *plugin, int32_t which_event);

/* Always 1; writes are ignored. */
QUIVERSTEP_API int16_t quiverstep_NumberToAverage(const QuiverstepPlugIn *plugin);
QUIVERSTEP_API void quiverstep_SetNumberToAverage(QuiverstepPlugIn *plugin, int16_t value);

/* The event entry. Never fails. */
QUIVERSTEP_API void quiverstep_CameraEvent(QuiverstepPlugIn *plugin,
                                           int32_t which_event,
                                           int32_t which_camera,
                                           const char *my_string,
                                           int32_t param1,
                                           int32_t param2);

/* Would show the settings dialog; the library has none, so it returns at once. */
QUIVERSTEP_API void quiverstep_Settings(QuiverstepPlugIn *plugin);

/* Waits duration milliseconds when it is above 100, else returns at once. */
QUIVERSTEP_API void quiverstep_myDelay(QuiverstepPlugIn *plugin, double duration);

/* Where the plug-in's messages go (lines joined by CR LF); NULL for nowhere. */
QUIVERSTEP_API void quiverstep_set_message_handler(QuiverstepPlugIn *plugin,
                                                   void (*handler)(void *context,
                                                                   const char *text),
                                                   void *context);

/* What the last failing call on this thread failed with; never NULL. */
QUIVERSTEP_API const char *quiverstep_last_error(void);

#ifdef __cplusplus
}
#endif

#endif /* QUIVERSTEP_H */
