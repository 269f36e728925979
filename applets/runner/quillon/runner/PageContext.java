package quillon.runner;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Image;
import java.io.IOException;
import java.io.InputStream;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import javax.imageio.ImageIO;

/**
 * What a browser gives an applet, built from a saved page: its parameters,
 * document and code base, images, sounds, the status bar and link opening.
 * Links, status texts and sounds are recorded, so tests can check them; the
 * runner also prints links and shows the status in its window.
 */
public class PageContext implements AppletStub, AppletContext {
    private final AppletPage page;
    private Applet applet;
    private final Map<URL, Image> images = new HashMap<>();
    private final Map<String, InputStream> streams = new HashMap<>();

    /** Each opened link as "address target". */
    public final List<String> shownDocuments = new ArrayList<>();
    public final List<String> statusTexts = new ArrayList<>();
    public final List<String> playedSounds = new ArrayList<>();
    /** Image addresses that could not be read. */
    public final List<String> missingImages = new ArrayList<>();
    /** Play sounds through the sound system instead of only recording them. */
    public boolean audible;

    public PageContext(AppletPage page) {
        this.page = page;
    }

    public void setApplet(Applet applet) {
        this.applet = applet;
    }

    public int imagesRequested() {
        return images.size();
    }

    public String lastStatus() {
        return statusTexts.isEmpty() ? "" : statusTexts.get(statusTexts.size() - 1);
    }

    public String lastDocument() {
        return shownDocuments.isEmpty() ? "" : shownDocuments.get(shownDocuments.size() - 1);
    }

    // AppletStub

    @Override
    public boolean isActive() {
        return true;
    }

    @Override
    public URL getDocumentBase() {
        return page.documentBase();
    }

    @Override
    public URL getCodeBase() {
        return page.codeBase();
    }

    @Override
    public String getParameter(String name) {
        return page.param(name);
    }

    @Override
    public AppletContext getAppletContext() {
        return this;
    }

    @Override
    public void appletResize(int width, int height) {
    }

    // AppletContext

    /** Images are read whole, at once, so a rendering never shows a half-loaded icon. */
    @Override
    public Image getImage(URL url) {
        if (images.containsKey(url)) {
            return images.get(url);
        }
        Image image = null;
        try {
            image = ImageIO.read(url);
        } catch (IOException e) {
            image = null;
        }
        if (image == null) {
            missingImages.add(url.toString());
        }
        images.put(url, image);
        return image;
    }

    @Override
    public AudioClip getAudioClip(URL url) {
        return new RecordedClip(this, url);
    }

    void played(URL url) {
        playedSounds.add(url.toString());
    }

    @Override
    public Applet getApplet(String name) {
        return applet != null && name.equalsIgnoreCase(page.name) ? applet : null;
    }

    @Override
    public Enumeration<Applet> getApplets() {
        List<Applet> all = new ArrayList<>();
        if (applet != null) {
            all.add(applet);
        }
        return Collections.enumeration(all);
    }

    @Override
    public void showDocument(URL url) {
        showDocument(url, "_self");
    }

    @Override
    public void showDocument(URL url, String target) {
        shownDocuments.add(url + " " + target);
    }

    @Override
    public void showStatus(String status) {
        statusTexts.add(status == null ? "" : status);
    }

    @Override
    public void setStream(String key, InputStream stream) {
        if (stream == null) {
            streams.remove(key);
        } else {
            streams.put(key, stream);
        }
    }

    @Override
    public InputStream getStream(String key) {
        return streams.get(key);
    }

    @Override
    public Iterator<String> getStreamKeys() {
        return new ArrayList<>(streams.keySet()).iterator();
    }
}
