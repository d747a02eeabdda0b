#!/usr/bin/env python3
"""A loopback HTTP server for the tests.

Prints its port on the first line of stdout and stops when stdin closes (so it never
outlives the test that started it). Serves files below the folder given as argv[1] and
a few fixed routes that misbehave on purpose.
"""
import gzip
import http.server
import os
import socket
import struct
import zlib
import sys
import threading
import time
import urllib.parse

BOMB = None
REQUESTS = []  # every path asked for but the log itself, in order
ROOT = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.getcwd()


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=ROOT, **kwargs)

    def log_message(self, *args):
        pass

    def send_body(self, status, body, content_type="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_icy(self, name):
        """A station: the file's audio in a loop, a stream title every 8 KiB, as
        internet radio servers send it to players that ask for metadata."""
        with open(os.path.join(ROOT, name), "rb") as f:
            audio = f.read()
        every = 8192
        self.send_response(200)
        self.send_header("Content-Type", "audio/mpeg")
        if self.headers.get("Icy-MetaData") == "1":
            self.send_header("icy-metaint", str(every))
        self.end_headers()
        title = b"StreamTitle='Test Artist - Test Song';"
        block = title + b"\0" * (-len(title) % 16)
        meta = bytes([len(block) // 16]) + block
        try:
            for _ in range(2000):  # bounded: about 16 MB
                for start in range(0, len(audio) - every + 1, every):
                    self.wfile.write(audio[start:start + every])
                    if self.headers.get("Icy-MetaData") == "1":
                        self.wfile.write(meta)
                    time.sleep(0.02)
        except OSError:
            pass

    def send_chunked(self, chunks, headers=()):
        """A body in chunked transfer encoding, which announces no length."""
        self.send_response(200)
        self.send_header("Transfer-Encoding", "chunked")
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        try:
            for chunk in chunks:
                self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
            self.wfile.write(b"0\r\n\r\n")
        except OSError:
            pass

    def send_gzip_bomb(self):
        """A small compressed body (about 250 KiB) that unpacks to 256 MiB of zeros."""
        global BOMB
        if BOMB is None:
            packer = zlib.compressobj(1, zlib.DEFLATED, 31)  # 31: with a gzip header
            zeros = b"\0" * (1 << 20)
            BOMB = b"".join(packer.compress(zeros) for _ in range(256)) + packer.flush()
        self.send_response(200)
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(BOMB)))
        self.end_headers()
        try:
            self.wfile.write(BOMB)
        except OSError:
            pass

    def reset_mid_body(self):
        self.send_response(200)
        self.send_header("Content-Length", "100000")
        self.end_headers()
        self.wfile.write(b"z" * 5000)
        self.wfile.flush()
        # SO_LINGER with a zero time-out makes close() send a reset instead of a FIN.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()

    def trickle(self, name):
        """A file of the site, one byte every half second: a server on a bad line."""
        try:
            with open(os.path.join(ROOT, name), "rb") as f:
                body = f.read()
        except OSError:
            self.send_body(404, b"")
            return
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            for i in range(len(body)):
                self.wfile.write(body[i:i + 1])
                self.wfile.flush()
                time.sleep(0.5)
        except OSError:
            pass

    def do_GET(self):
        # A proxy is asked with the whole address; it answers as the site would.
        path = urllib.parse.urlsplit(self.path).path
        if path == "/_/request-line":
            self.send_body(200, self.requestline.encode(), "text/plain")
            return
        if path == "/_/log":
            self.send_body(200, "\n".join(REQUESTS).encode(), "text/plain")
            return
        REQUESTS.append(path)
        if path.startswith("/_/chunked-100mb"):
            self.send_chunked(b"c" * 65536 for _ in range(1600))
        elif path.startswith("/_/chunked-endless"):
            self.send_chunked(b"e" * 65536 for _ in range(100000))
        elif path == "/_/chunked-small":
            self.send_chunked([b"one ", b"two ", b"three"])
        elif path == "/_/gzip-small":
            body = gzip.compress(b"packed text " * 100)
            self.send_response(200)
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        elif path.startswith("/_/gzip-bomb"):
            self.send_gzip_bomb()
        elif path.startswith("/_/reset"):
            self.reset_mid_body()
        elif path.startswith("/_/to-file"):
            self.send_response(302)
            self.send_header("Location", "file:///etc/passwd")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif path.startswith("/_/invalid-utf8"):
            self.send_body(200, b"\xff\xfe\xc3\x28 \xa0\xa1 \xf0\x28\x8c\xbc", "text/plain; charset=utf-8")
        elif path.startswith("/_/bad-lists/"):
            # The site's manifest and announcements, but lists that never end.
            name = path[len("/_/bad-lists/"):]
            if name in ("avtapit.dll", "atlr.dll", "apcupm.dll"):
                self.send_chunked(b"|" * 65536 for _ in range(100000))
            else:
                self.path = "/" + name
                super().do_GET()
        elif path.startswith("/_/trickle/"):
            self.trickle(path[len("/_/trickle/"):])
        elif path.startswith("/_/icy/"):
            self.send_icy(path[len("/_/icy/"):])
        elif path == "/_/text":
            self.send_body(200, b"first line\r\nZ\xfcrich \xe2\x82\xac", "text/plain")
        elif path == "/_/bytes":
            self.send_body(200, bytes(range(256)) * 4)
        elif path == "/_/empty":
            self.send_body(200, b"")
        elif path.startswith("/_/hang"):
            time.sleep(60)
        elif path.startswith("/_/drip"):
            self.send_response(200)
            self.send_header("Content-Length", "1000")
            self.end_headers()
            for _ in range(100):
                self.wfile.write(b"x")
                self.wfile.flush()
                time.sleep(0.5)
        elif path.startswith("/_/endless"):
            self.send_response(200)
            self.end_headers()
            chunk = b"x" * 65536
            try:
                for _ in range(100000):  # bounded: about 6 GB at most, far past any test's bound
                    self.wfile.write(chunk)
            except OSError:
                pass
        elif path.startswith("/_/announced-huge"):
            self.send_response(200)
            self.send_header("Content-Length", str(100 * 1024 * 1024))
            self.end_headers()
            try:
                for _ in range(1600):
                    self.wfile.write(b"y" * 65536)
            except OSError:
                pass
        elif path.startswith("/_/loop"):
            self.send_response(302)
            self.send_header("Location", "/_/loop")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif path == "/_/page":
            self.send_body(200, b"<!DOCTYPE html><html><body>Channel moved</body></html>", "text/html; charset=utf-8")
        elif path.startswith("/_/redirect/"):
            self.send_response(302)
            self.send_header("Location", "/" + path[len("/_/redirect/"):])
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif path.startswith("/_/error"):
            self.send_body(500, b"<html>Internal Server Error</html>", "text/html")
        elif path.startswith("/_/close"):
            self.send_response(200)
            self.send_header("Content-Length", "100000")
            self.end_headers()
            self.wfile.write(b"partial")
            self.wfile.flush()
            self.connection.close()
        else:
            super().do_GET()


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()  # returns when the test closes our stdin or ends
    os._exit(0)


main()
