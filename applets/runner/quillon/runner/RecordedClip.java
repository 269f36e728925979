package quillon.runner;

import java.applet.Applet;
import java.applet.AudioClip;
import java.net.URL;

/** A sound the applet asked for: recorded when played, and played aloud when the context is audible. */
final class RecordedClip implements AudioClip {
    private final PageContext context;
    private final URL url;
    private AudioClip sound;

    RecordedClip(PageContext context, URL url) {
        this.context = context;
        this.url = url;
    }

    @Override
    public void play() {
        context.played(url);
        if (context.audible) {
            if (sound == null) {
                sound = Applet.newAudioClip(url);
            }
            sound.play();
        }
    }

    @Override
    public void loop() {
        play();
    }

    @Override
    public void stop() {
        if (sound != null) {
            sound.stop();
        }
    }
}
