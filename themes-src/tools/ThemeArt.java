import java.awt.Color;
import java.awt.Graphics2D;
import java.awt.image.BufferedImage;
import java.awt.image.IndexColorModel;
import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import javax.imageio.IIOImage;
import javax.imageio.ImageIO;
import javax.imageio.ImageWriteParam;
import javax.imageio.ImageWriter;
import javax.imageio.stream.ImageOutputStream;

/**
 * The pictures of the shipped themes, made from text so that they can be
 * reviewed and changed like code:
 *
 *   icons SHAPES_DIR ICONS_FILE OUT_DIR
 *       Each line of ICONS_FILE, "name.gif shape letter=RRGGBB ...", draws the
 *       16 x 16 shape SHAPES_DIR/shape.txt (one letter a pixel, "." see-through)
 *       in the given colours as a GIF; "name.gif gradient W H TOP BOTTOM"
 *       draws a colour run as below.
 *   gradient WIDTH HEIGHT TOP BOTTOM OUT.gif
 *       A vertical colour run from TOP to BOTTOM (RRGGBB), for tiled backgrounds.
 *   preview IN.png WIDTH HEIGHT OUT.jpg
 *       A rendered menu as the JPEG preview of exactly WIDTH x HEIGHT pixels:
 *       cropped from the top left, or padded with its bottom right colour.
 */
public final class ThemeArt {
    private static final int ICON = 16;

    private ThemeArt() {
    }

    public static void main(String[] args) throws IOException {
        if (args.length == 4 && args[0].equals("icons")) {
            icons(new File(args[1]), new File(args[2]), new File(args[3]));
        } else if (args.length == 6 && args[0].equals("gradient")) {
            gradient(Integer.parseInt(args[1]), Integer.parseInt(args[2]), rgb(args[3]), rgb(args[4]),
                    new File(args[5]));
        } else if (args.length == 5 && args[0].equals("preview")) {
            preview(new File(args[1]), Integer.parseInt(args[2]), Integer.parseInt(args[3]), new File(args[4]));
        } else {
            System.err.println("usage: ThemeArt icons SHAPES ICONS OUT | gradient W H TOP BOTTOM OUT.gif"
                    + " | preview IN.png W H OUT.jpg");
            System.exit(2);
        }
    }

    private static int rgb(String hex) {
        if (!hex.matches("[0-9A-Fa-f]{6}")) {
            throw new IllegalArgumentException("not a colour RRGGBB: " + hex);
        }
        return Integer.parseInt(hex, 16);
    }

    private static void icons(File shapes, File list, File out) throws IOException {
        out.mkdirs();
        int number = 0;
        for (String line : Files.readAllLines(list.toPath(), StandardCharsets.UTF_8)) {
            number++;
            line = line.trim();
            if (line.isEmpty() || line.startsWith("#")) {
                continue;
            }
            String[] words = line.split("\\s+");
            if (words.length == 6 && words[1].equals("gradient")) {
                gradient(Integer.parseInt(words[2]), Integer.parseInt(words[3]), rgb(words[4]), rgb(words[5]),
                        new File(out, words[0]));
                continue;
            }
            if (words.length < 3) {
                throw new IOException(list + ":" + number + ": expected NAME.gif SHAPE letter=RRGGBB ...");
            }
            Map<Character, Integer> colours = new LinkedHashMap<>();
            for (int i = 2; i < words.length; i++) {
                if (!words[i].matches(".=[0-9A-Fa-f]{6}")) {
                    throw new IOException(list + ":" + number + ": not letter=RRGGBB: " + words[i]);
                }
                colours.put(words[i].charAt(0), rgb(words[i].substring(2)));
            }
            File shape = new File(shapes, words[1] + ".txt");
            ImageIO.write(draw(shape, colours), "gif", new File(out, words[0]));
        }
    }

    /** The shape in an indexed picture whose index 0 is see-through. */
    private static BufferedImage draw(File shape, Map<Character, Integer> colours) throws IOException {
        List<String> rows = new ArrayList<>();
        for (String row : Files.readAllLines(shape.toPath(), StandardCharsets.UTF_8)) {
            if (!row.startsWith("#")) {
                rows.add(row);
            }
        }
        if (rows.size() != ICON) {
            throw new IOException(shape + ": " + rows.size() + " rows, not " + ICON);
        }
        List<Character> letters = new ArrayList<>(colours.keySet());
        int size = letters.size() + 1;
        byte[] r = new byte[size];
        byte[] g = new byte[size];
        byte[] b = new byte[size];
        for (int i = 1; i < size; i++) {
            int c = colours.get(letters.get(i - 1));
            r[i] = (byte) (c >> 16);
            g[i] = (byte) (c >> 8);
            b[i] = (byte) c;
        }
        IndexColorModel model = new IndexColorModel(8, size, r, g, b, 0);
        BufferedImage image = new BufferedImage(ICON, ICON, BufferedImage.TYPE_BYTE_INDEXED, model);
        for (int y = 0; y < ICON; y++) {
            String row = rows.get(y);
            if (row.length() != ICON) {
                throw new IOException(shape + ": row " + (y + 1) + " has " + row.length() + " pixels");
            }
            for (int x = 0; x < ICON; x++) {
                char letter = row.charAt(x);
                int index = letter == '.' ? 0 : letters.indexOf(letter) + 1;
                if (index == 0 && letter != '.') {
                    throw new IOException(shape + ": no colour given for '" + letter + "'");
                }
                image.getRaster().setSample(x, y, 0, index);
            }
        }
        return image;
    }

    private static void gradient(int width, int height, int top, int bottom, File out) throws IOException {
        BufferedImage image = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        for (int y = 0; y < height; y++) {
            double t = height == 1 ? 0 : (double) y / (height - 1);
            int c = mix(top, bottom, t);
            for (int x = 0; x < width; x++) {
                image.setRGB(x, y, c);
            }
        }
        ImageIO.write(image, "gif", out);
    }

    private static int mix(int a, int b, double t) {
        int red = (int) Math.round(((a >> 16) & 255) * (1 - t) + ((b >> 16) & 255) * t);
        int green = (int) Math.round(((a >> 8) & 255) * (1 - t) + ((b >> 8) & 255) * t);
        int blue = (int) Math.round((a & 255) * (1 - t) + (b & 255) * t);
        return (red << 16) | (green << 8) | blue;
    }

    private static void preview(File in, int width, int height, File out) throws IOException {
        BufferedImage source = ImageIO.read(in);
        if (source == null) {
            throw new IOException("not a picture: " + in);
        }
        BufferedImage picture = new BufferedImage(width, height, BufferedImage.TYPE_INT_RGB);
        Graphics2D g = picture.createGraphics();
        g.setColor(new Color(source.getRGB(source.getWidth() - 1, source.getHeight() - 1)));
        g.fillRect(0, 0, width, height);
        g.drawImage(source, 0, 0, null);
        g.dispose();
        ImageWriter writer = ImageIO.getImageWritersByFormatName("jpeg").next();
        ImageWriteParam param = writer.getDefaultWriteParam();
        param.setCompressionMode(ImageWriteParam.MODE_EXPLICIT);
        param.setCompressionQuality(0.92f);
        out.delete();
        try (ImageOutputStream stream = ImageIO.createImageOutputStream(out)) {
            writer.setOutput(stream);
            writer.write(null, new IIOImage(picture, null, null), param);
        } finally {
            writer.dispose();
        }
    }
}
